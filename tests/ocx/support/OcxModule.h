#pragma once
// The built ZarnelX2Pro.ocx, loaded by path the way a container that does not consult the registry
// loads it: LoadLibrary, then its exported entry points.
#include <windows.h>
#include <unknwn.h>

#include <string>

namespace zarnel::test {

// Where the build put the .ocx, as a Windows path.
std::wstring OcxPath();

class TOcxModule {
 public:
  TOcxModule();  // loads OcxPath(); fails the test when it cannot
  explicit TOcxModule(const std::wstring& path);
  ~TOcxModule();
  TOcxModule(const TOcxModule&) = delete;
  TOcxModule& operator=(const TOcxModule&) = delete;

  HMODULE Handle() const { return FModule; }
  HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) const;
  HRESULT CanUnloadNow() const;
  HRESULT RegisterServer() const;
  HRESULT UnregisterServer() const;

 private:
  template <typename F>
  F Entry(const char* name) const;

  HMODULE FModule = nullptr;
};

}  // namespace zarnel::test
