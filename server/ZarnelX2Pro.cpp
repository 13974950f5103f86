// The five entry points of the in-process server, and the module's start and end.
#include <windows.h>

#include "ComObjectFactory.h"
#include "ComServer.h"
#include "ServerStart.h"
#include "UserRegistration.h"

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
template <typename TStep>
HRESULT RegistryStep(TStep step) noexcept {
  try {
    step(*TComServer::Current());
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

// The one command line DllInstall knows, in any case: registration for the current user.
bool IsUserCommand(LPCWSTR cmdLine) {
  return cmdLine && ::CompareStringOrdinal(cmdLine, -1, L"user", -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

STDAPI DllRegisterServer() {
  return RegistryStep([](TComServer& server) { server.UpdateRegistry(HKEY_CLASSES_ROOT, true); });
}

STDAPI DllUnregisterServer() {
  return RegistryStep([](TComServer& server) { server.UpdateRegistry(HKEY_CLASSES_ROOT, false); });
}

// regsvr32 /n /i:user registers for the current user, regsvr32 /u /n /i:user removes that again.
STDAPI DllInstall(BOOL install, LPCWSTR cmdLine) {
  if (!IsUserCommand(cmdLine)) return E_INVALIDARG;
  return RegistryStep([install](TComServer& server) { zarnel::UpdateUserRegistry(server, install != FALSE); });
}
