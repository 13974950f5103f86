// The four entry points of the in-process server, and the module's start and end.
#include <windows.h>

#include "ComObjectFactory.h"
#include "ComServer.h"
#include "ServerStart.h"

using zarnel::TComServer;

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      try {
        zarnel::StartServer(module);
      } catch (...) {
        // Without its type information the module cannot serve its class: it does not load.
        return FALSE;
      }
      ::DisableThreadLibraryCalls(module);
      break;
    case DLL_PROCESS_DETACH:
      zarnel::StopServer();
      break;
    default:
      break;
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  TComServer* server = TComServer::Current();
  zarnel::TComObjectFactory* factory = server ? server->FindFactory(clsid) : nullptr;
  if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
  return factory->QueryInterface(iid, ppv);
}

STDAPI DllCanUnloadNow() {
  const TComServer* server = TComServer::Current();
  return !server || server->CanUnloadNow() ? S_OK : S_FALSE;
}

namespace {

// Any failure of a registration step reaches the installer as E_FAIL alone.
HRESULT UpdateRegistry(bool registering) noexcept {
  try {
    TComServer::Current()->UpdateRegistry(HKEY_CLASSES_ROOT, registering);
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace

STDAPI DllRegisterServer() { return UpdateRegistry(true); }

STDAPI DllUnregisterServer() { return UpdateRegistry(false); }
