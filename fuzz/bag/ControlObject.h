#pragma once
// One object of the control class, made by the .ocx's class factory and held for the whole run,
// driven the way a container drives it: IPersistPropertyBag, and its properties through
// IDispatch::Invoke.
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include "Variant.h"
#include "PropertyList.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::fuzz {

class TControlObject {
 public:
  explicit TControlObject(IClassFactory& factory);

  IZarnelX& Object() const { return *FObject.Get(); }
  HRESULT Load(IPropertyBag* bag, IErrorLog* errorLog) const;
  HRESULT Save(IPropertyBag* bag) const;
  // The property's value; a get that fails or answers another type than the property's ends the run.
  TVariant Get(const TPersistedProperty& property) const;
  // The identity (IUnknown) of the object's current font; the object keeps it alive.
  IUnknown* FontIdentity() const;
  // Lets go of the object; answers what the last Release answered.
  ULONG Release();

 private:
  Microsoft::WRL::ComPtr<IZarnelX> FObject;
  Microsoft::WRL::ComPtr<IPersistPropertyBag> FPersist;
};

}  // namespace zarnel::fuzz
