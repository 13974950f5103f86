#pragma once
// The factory of an ActiveX control class: its names and dispatch interface read from the server's
// type library, and the registry entries that make containers offer it as a control.
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>
#include <string>

#include "ComObjectFactory.h"
#include "WinControl.h"

namespace zarnel {


class TActiveXControlFactory : public TComObjectFactory {
 public:
  using TObjectCreator = IUnknown* (*)(TActiveXControlFactory& factory, IUnknown* outer);
  using TControlCreator = std::unique_ptr<TWinControl> (*)();

  // Raises when the type library lacks the class, a default interface, or names a default interface
  // other than dispatchInterface (the one the object class implements).
  TActiveXControlFactory(TComServer& server, const CLSID& classID, const IID& dispatchInterface,
                         std::string objectClassName, TObjectCreator createObject, TControlCreator createControl, int toolboxBitmapID,
                         DWORD miscStatus);

  ITypeInfo* DispatchTypeInfo() const { return FDispatchTypeInfo.Get(); }
  const IID& DispatchInterface() const { return FDispatchInterface; }
  const IID& EventInterface() const { return FEventInterface; }
  DWORD MiscStatus() const { return FMiscStatus; }
  std::unique_ptr<TWinControl> CreateControl() const { return FCreateControl(); }

  void UpdateRegistry(HKEY root, bool registering) override;

 protected:
  IUnknown* CreateComObject(IUnknown* outer) override { return FCreateObject(*this, outer); }

 private:
  void ReadTypeInformation();

  IID FDispatchInterface;
  std::string FObjectClassName;
  IID FEventInterface = GUID_NULL;
  TObjectCreator FCreateObject;
  TControlCreator FCreateControl;
  int FToolboxBitmapID;
  DWORD FMiscStatus;
  Microsoft::WRL::ComPtr<ITypeInfo> FDispatchTypeInfo;
  WORD FMajorVersion = 0;
  WORD FMinorVersion = 0;
  GUID FTypeLibID = GUID_NULL;
};

}  // namespace zarnel
