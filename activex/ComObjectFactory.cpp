#include "ComObjectFactory.h"

#include <exception>

#include "ComServer.h"
#include "Registry.h"

namespace zarnel {
namespace {

// Objects live on the thread that creates them; calls from other apartments are marshalled.
constexpr const wchar_t* ThreadingModel = L"Apartment";

// The short (8.3) form of a path with a space in it, for hosts that split command lines at spaces.
std::wstring InprocServerPath(const std::wstring& path) {
  if (path.find(L' ') == std::wstring::npos) return path;
  wchar_t shortPath[MAX_PATH * 2];
  const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath, static_cast<DWORD>(std::size(shortPath)));
  if (length == 0 || length >= std::size(shortPath)) return path;
  return std::wstring(shortPath, length);
}

constexpr UINT CreationErrorFlags = MB_OK | MB_ICONSTOP | MB_SETFOREGROUND;

}  // namespace

std::string CreationErrorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

TComObjectFactory::TComObjectFactory(TComServer& server, const CLSID& classID) : FServer(server), FClassID(classID) {}

std::span<const TInterfaceEntry> TComObjectFactory::Interfaces() {
  static const TInterfaceEntry table[] = {InterfaceEntry<TComObjectFactory, IClassFactory>(IID_IClassFactory)};
  return table;
}

STDMETHODIMP TComObjectFactory::QueryInterface(REFIID iid, void** ppv) noexcept {
  return QueryFromTable(this, Interfaces(), iid, ppv);
}

STDMETHODIMP_(ULONG) TComObjectFactory::AddRef() noexcept {
  FServer.CountFactoryReference(true);
  return static_cast<ULONG>(FServer.FactoryCount());
}

STDMETHODIMP_(ULONG) TComObjectFactory::Release() noexcept {
  FServer.CountFactoryReference(false);
  return static_cast<ULONG>(FServer.FactoryCount());
}

STDMETHODIMP TComObjectFactory::LockServer(BOOL lock) noexcept {
  const HRESULT hr = ::CoLockObjectExternal(static_cast<IClassFactory*>(this), lock, TRUE);
  FServer.CountObject(lock != FALSE);
  return hr;
}

STDMETHODIMP TComObjectFactory::CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer && !::IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
  IUnknown* object = nullptr;
  try {
    object = CreateComObject(outer);
  } catch (const std::exception& e) {
    if (FShowErrors)
      ::MessageBoxA(nullptr, CreationErrorText(e.what()).c_str(), "Vexa Error", CreationErrorFlags);
    return E_UNEXPECTED;
  } catch (...) {
    return E_UNEXPECTED;
  }
  // Holding the object across the query destroys it when the query fails and nobody else holds it.
  object->AddRef();
  const HRESULT hr = object->QueryInterface(iid, ppv);
  object->Release();
  return hr;
}

void TComObjectFactory::SetNames(std::wstring className, std::wstring description) {
  FClassName = std::move(className);
  FDescription = std::move(description);
  FProgID = FServer.ServerName() + L"." + FClassName;
}

std::wstring TComObjectFactory::ClassKey() const { return L"CLSID\\" + GuidToString(FClassID); }

void TComObjectFactory::UpdateRegistry(HKEY root, bool registering) {
  const std::wstring classKey = ClassKey();
  const std::wstring& progID = FProgID;
  if (registering) {
    CreateRegKey(root, classKey, L"", FDescription);
    CreateRegKey(root, classKey + L"\\InprocServer32", L"", InprocServerPath(FServer.ServerFileName()));
    CreateRegKey(root, classKey + L"\\InprocServer32", L"ThreadingModel", ThreadingModel);
    CreateRegKey(root, progID, L"", FDescription);
    CreateRegKey(root, progID + L"\\Clsid", L"", GuidToString(FClassID));
    CreateRegKey(root, classKey + L"\\ProgID", L"", progID);
  } else {
    DeleteRegKey(root, classKey + L"\\ProgID");
    DeleteRegKey(root, progID + L"\\Clsid");
    DeleteRegKey(root, progID);
    DeleteRegKey(root, classKey + L"\\InprocServer32");
    DeleteRegKey(root, classKey);
  }
}

}  // namespace zarnel
