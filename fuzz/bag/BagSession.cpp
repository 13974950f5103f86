#include "BagSession.h"

#include <objbase.h>

#include <cstdlib>
#include <string>

#include "Fail.h"

namespace zarnel::fuzz {
namespace {

using Microsoft::WRL::ComPtr;

// How many executions go between two counts of the thread's windows.
constexpr uint64_t WindowCountInterval = 1024;

std::unique_ptr<TBagSession>& Current() {
  static std::unique_ptr<TBagSession> session;
  return session;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowTree(HWND wnd, LPARAM count) {
  CountWindow(wnd, count);
  ::EnumChildWindows(wnd, &CountWindow, count);  // every descendant, not only the children
  return TRUE;
}

int CountThreadWindows() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindowTree, reinterpret_cast<LPARAM>(&count));
  return count;
}

template <typename F>
F Entry(HMODULE module, const char* name) {
  const auto entry = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  if (!entry) Fail("the .ocx does not export %s", name);
  return entry;
}

}  // namespace

TBagSession& TBagSession::Instance() {
  std::unique_ptr<TBagSession>& session = Current();
  if (!session) session.reset(new TBagSession);
  return *session;
}

void TBagSession::Finish() { Current().reset(); }

TBagSession::TBagSession() {
  const HRESULT apartment = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(apartment)) Fail("CoInitializeEx fails: 0x%08lx", apartment);
  // A long run can take a copy of the .ocx, so that a rebuild does not pull it from under the run.
  const char* chosen = std::getenv("ZARNEL_BAG_OCX");
  const std::string path = chosen && *chosen ? chosen : ZARNEL_BAG_OCX_PATH;
  FModule = ::LoadLibraryW(std::wstring(path.begin(), path.end()).c_str());
  if (!FModule) Fail("cannot load %s: error %lu", path.c_str(), ::GetLastError());
  const auto getClassObject = Entry<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(FModule, "DllGetClassObject");
  const HRESULT factory = getClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&FFactory));
  if (FAILED(factory)) Fail("DllGetClassObject fails: 0x%08lx", factory);
  FTarget = std::make_unique<TControlObject>(*FFactory.Get());
  FReplica = std::make_unique<TControlObject>(*FFactory.Get());

  ComPtr<ITypeInfo> info;
  const HRESULT typeInfo = FTarget->Object().GetTypeInfo(0, LOCALE_USER_DEFAULT, &info);
  if (FAILED(typeInfo)) Fail("the object has no type information: 0x%08lx", typeInfo);
  FProperties = ReadPersistedProperties(*info.Get());
  if (FProperties.empty()) Fail("the type information lists no property to persist");
  for (const TPersistedProperty& property : FProperties) FTallies.push_back({property.Name});
  FTargetValues = ReadValues(*FTarget, FProperties);
}

// The objects go first, each with its last reference; then nothing of the server may be left.
TBagSession::~TBagSession() {
  FTargetValues.clear();
  for (auto* object : {&FTarget, &FReplica}) {
    if (const ULONG left = (*object)->Release()) Fail("an object keeps %lu references after its last release", left);
    object->reset();
  }
  FFactory.Reset();
  const HRESULT unload = Entry<HRESULT(WINAPI*)()>(FModule, "DllCanUnloadNow")();
  if (unload != S_OK) Fail("DllCanUnloadNow answers 0x%08lx once every object and the factory are gone", unload);
  ::CoUninitialize();
}

void TBagSession::Executed() {
  ++FExecutions;
  if (FExecutions == 1) {
    FWindows = CountThreadWindows();
  } else if (FExecutions % WindowCountInterval == 0) {
    const int windows = CountThreadWindows();
    if (windows != FWindows)
      Fail("the thread has %d windows after %llu executions; it had %d after the first", windows,
           static_cast<unsigned long long>(FExecutions), FWindows);
  }
}

}  // namespace zarnel::fuzz
