#include "OcxModule.h"

#include <gtest/gtest.h>

namespace zarnel::test {

std::wstring OcxPath() {
  const std::string path = ZARNEL_OCX_PATH;
  return std::wstring(path.begin(), path.end());
}

TOcxModule::TOcxModule() : TOcxModule(OcxPath()) {}

TOcxModule::TOcxModule(const std::wstring& path) : FModule(::LoadLibraryW(path.c_str())) {
  EXPECT_NE(FModule, nullptr) << "cannot load the .ocx, error " << ::GetLastError();
}

TOcxModule::~TOcxModule() {
  if (FModule) ::FreeLibrary(FModule);
}

template <typename F>
F TOcxModule::Entry(const char* name) const {
  const auto entry = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(FModule, name)));
  if (!entry) ADD_FAILURE() << "the .ocx does not export " << name;
  return entry;
}

HRESULT TOcxModule::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const {
  const auto entry = Entry<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>("DllGetClassObject");
  return entry ? entry(clsid, iid, ppv) : E_FAIL;
}

HRESULT TOcxModule::CanUnloadNow() const {
  const auto entry = Entry<HRESULT(WINAPI*)()>("DllCanUnloadNow");
  return entry ? entry() : E_FAIL;
}

HRESULT TOcxModule::RegisterServer() const {
  const auto entry = Entry<HRESULT(WINAPI*)()>("DllRegisterServer");
  return entry ? entry() : E_FAIL;
}

HRESULT TOcxModule::UnregisterServer() const {
  const auto entry = Entry<HRESULT(WINAPI*)()>("DllUnregisterServer");
  return entry ? entry() : E_FAIL;
}

}  // namespace zarnel::test
