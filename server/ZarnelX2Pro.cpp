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

STDAPI DllRegisterServer() {
  try {
    TComServer::Current()->UpdateRegistry(HKEY_CLASSES_ROOT, true);
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

STDAPI DllUnregisterServer() {
  try {
    TComServer::Current()->UpdateRegistry(HKEY_CLASSES_ROOT, false);
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}
