#pragma once
// The in-process server this module is: its file, its type library, its class factories, and the two
// counts that decide whether the platform may unload it.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

namespace zarnel {

class TComObjectFactory;

class TComServer {
 public:
  // Loads the module's own type library (resource 1).
  explicit TComServer(HINSTANCE module);
  ~TComServer();
  TComServer(const TComServer&) = delete;
  TComServer& operator=(const TComServer&) = delete;

  // The module's server while it is loaded, else nullptr.
  static TComServer* Current() { return FCurrent; }

  // The module's full path, every component in its long form.
  const std::wstring& ServerFileName() const { return FServerFileName; }
  ITypeLib* TypeLib() const { return FTypeLib.Get(); }
  // The type library's name: the first half of every ProgID.
  const std::wstring& ServerName() const { return FServerName; }
  // The help directory registered with the type library: the module's folder with its separator.
  std::wstring HelpFolder() const;

  // Live objects plus server locks; outstanding references to the factories.
  void CountObject(bool created);
  void CountFactoryReference(bool added);
  LONG ObjectCount() const { return FObjectCount; }
  LONG FactoryCount() const { return FFactoryCount; }
  bool CanUnloadNow() const { return FObjectCount == 0 && FFactoryCount == 0; }

  // Factories enter themselves once; the server owns them until it goes.
  void AddFactory(std::unique_ptr<TComObjectFactory> factory);
  TComObjectFactory* FindFactory(REFCLSID clsid) const;

  // Registers the type library with the platform and every class under root (normally
  // HKEY_CLASSES_ROOT), or removes them again. Raises on the first failing step of a registration;
  // removal never fails.
  void UpdateRegistry(HKEY root, bool registering);
  // The classes' keys alone under root, for a registration that writes the library's keys itself.
  void UpdateClassRegistry(HKEY root, bool registering);

 private:
  static TComServer* FCurrent;

  std::wstring FServerFileName;
  std::wstring FServerName;
  Microsoft::WRL::ComPtr<ITypeLib> FTypeLib;
  volatile LONG FObjectCount = 0;
  volatile LONG FFactoryCount = 0;
  // Many readers, one writer.
  mutable SRWLOCK FFactoryLock = SRWLOCK_INIT;
  std::vector<std::unique_ptr<TComObjectFactory>> FFactories;
};

}  // namespace zarnel
