#pragma once
// A class factory of the server: creates objects of one class and writes the class's own
// registry entries.
#include <windows.h>

#include <span>
#include <string>

#include "InterfaceTable.h"

namespace zarnel {

class TComServer;

class TComObjectFactory : public IClassFactory {
 public:
  TComObjectFactory(TComServer& server, const CLSID& classID);
  virtual ~TComObjectFactory() = default;
  TComObjectFactory(const TComObjectFactory&) = delete;
  TComObjectFactory& operator=(const TComObjectFactory&) = delete;

  // IUnknown: the factory lives as long as the module; its references are the server's factory count.
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  // IClassFactory
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP LockServer(BOOL lock) noexcept override;

  const CLSID& ClassID() const { return FClassID; }
  const std::wstring& ClassName() const { return FClassName; }
  const std::wstring& Description() const { return FDescription; }
  // The type library's name, a full stop and the class name.
  const std::wstring& ProgID() const { return FProgID; }
  TComServer& Server() const { return FServer; }

  // Writes (or deletes) the class's keys under root; a failing write raises.
  virtual void UpdateRegistry(HKEY root, bool registering);

  static std::span<const TInterfaceEntry> Interfaces();

 protected:
  // A new object, aggregated under outer when given: its own (inner) unknown, holding no reference.
  virtual IUnknown* CreateComObject(IUnknown* outer) = 0;
  void SetNames(std::wstring className, std::wstring description);
  std::wstring ClassKey() const;

 private:
  TComServer& FServer;
  CLSID FClassID;
  std::wstring FClassName;
  std::wstring FDescription;
  std::wstring FProgID;
  // Whether a failed creation tells the user in a message box.
  bool FShowErrors = true;
};

// The text of a failed creation's message box: the message, with a full stop added when its last
// character comes after the full stop in the code table.
std::string CreationErrorText(const std::string& message);

}  // namespace zarnel
