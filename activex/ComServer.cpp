#include "ComServer.h"

#include <oleauto.h>

#include "Bstr.h"
#include "ComObjectFactory.h"
#include "FrameworkError.h"
#include "OleError.h"

namespace zarnel {
namespace {

std::wstring LongModulePath(HINSTANCE module) {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = ::GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
  if (length == 0 || length >= std::size(path)) throw EFrameworkError("Cannot determine the server's file name");
  wchar_t longPath[MAX_PATH * 2];
  const DWORD longLength = ::GetLongPathNameW(path, longPath, static_cast<DWORD>(std::size(longPath)));
  if (longLength == 0 || longLength >= std::size(longPath)) return std::wstring(path, length);
  return std::wstring(longPath, longLength);
}

// Holds a slim reader/writer lock, shared or exclusive, for a scope.
template <void(WINAPI* Acquire)(PSRWLOCK), void(WINAPI* Release)(PSRWLOCK)>
class TLockScope {
 public:
  explicit TLockScope(SRWLOCK& lock) : FLock(lock) { Acquire(&FLock); }
  ~TLockScope() { Release(&FLock); }
  TLockScope(const TLockScope&) = delete;
  TLockScope& operator=(const TLockScope&) = delete;

 private:
  SRWLOCK& FLock;
};

using TReadLock = TLockScope<::AcquireSRWLockShared, ::ReleaseSRWLockShared>;
using TWriteLock = TLockScope<::AcquireSRWLockExclusive, ::ReleaseSRWLockExclusive>;

using TUnRegisterTypeLib = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);

}  // namespace

TComServer* TComServer::FCurrent = nullptr;

TComServer::TComServer(HINSTANCE module) : FServerFileName(LongModulePath(module)) {
  OleCheck(::LoadTypeLib(FServerFileName.c_str(), &FTypeLib));
  TBstr name;
  OleCheck(FTypeLib->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr));
  FServerName.assign(name.get(), ::SysStringLen(name.get()));
  FCurrent = this;
}

std::wstring TComServer::HelpFolder() const {
  return FServerFileName.substr(0, FServerFileName.find_last_of(L"\\/") + 1);
}

TComServer::~TComServer() {
  FFactories.clear();
  if (FCurrent == this) FCurrent = nullptr;
}

void TComServer::CountObject(bool created) {
  if (created)
    ::InterlockedIncrement(&FObjectCount);
  else
    ::InterlockedDecrement(&FObjectCount);
}

void TComServer::CountFactoryReference(bool added) {
  if (added)
    ::InterlockedIncrement(&FFactoryCount);
  else
    ::InterlockedDecrement(&FFactoryCount);
}

void TComServer::AddFactory(std::unique_ptr<TComObjectFactory> factory) {
  TWriteLock lock(FFactoryLock);
  FFactories.push_back(std::move(factory));
}

TComObjectFactory* TComServer::FindFactory(REFCLSID clsid) const {
  TReadLock lock(FFactoryLock);
  for (const auto& factory : FFactories)
    if (::IsEqualCLSID(factory->ClassID(), clsid)) return factory.get();
  return nullptr;
}

void TComServer::UpdateRegistry(HKEY root, bool registering) {
  if (registering) {
    std::wstring fileName = FServerFileName;
    std::wstring helpFolder = HelpFolder();
    OleCheck(::RegisterTypeLib(FTypeLib.Get(), fileName.data(), helpFolder.data()));
  } else if (const HMODULE oleaut = ::GetModuleHandleA("oleaut32.dll")) {
    if (const auto unregister =
            reinterpret_cast<TUnRegisterTypeLib>(reinterpret_cast<void*>(::GetProcAddress(oleaut, "UnRegisterTypeLib")))) {
      TLIBATTR* attributes = nullptr;
      if (SUCCEEDED(FTypeLib->GetLibAttr(&attributes))) {
        unregister(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum, attributes->lcid,
                   attributes->syskind);
        FTypeLib->ReleaseTLibAttr(attributes);
      }
    }
  }
  UpdateClassRegistry(root, registering);
}

void TComServer::UpdateClassRegistry(HKEY root, bool registering) {
  TReadLock lock(FFactoryLock);
  for (const auto& factory : FFactories) factory->UpdateRegistry(root, registering);
}

}  // namespace zarnel
