#include "ControlObject.h"

#include <olectl.h>

#include "Fail.h"

namespace zarnel::fuzz {

using Microsoft::WRL::ComPtr;

TControlObject::TControlObject(IClassFactory& factory) {
  const HRESULT created = factory.CreateInstance(nullptr, IID_PPV_ARGS(&FObject));
  if (FAILED(created)) Fail("the class factory does not make an object: 0x%08lx", created);
  const HRESULT persist = FObject.As(&FPersist);
  if (FAILED(persist)) Fail("the object does not answer IPersistPropertyBag: 0x%08lx", persist);
}

HRESULT TControlObject::Load(IPropertyBag* bag, IErrorLog* errorLog) const { return FPersist->Load(bag, errorLog); }

HRESULT TControlObject::Save(IPropertyBag* bag) const { return FPersist->Save(bag, TRUE, TRUE); }

TVariant TControlObject::Get(const TPersistedProperty& property) const {
  TVariant value;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const HRESULT hr = FObject->Invoke(property.Id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                     value.get(), nullptr, nullptr);
  if (hr != S_OK) Fail("getting %s fails: 0x%08lx", Narrow(property.Name).c_str(), hr);
  if ((*value).vt != property.Type)
    Fail("getting %s answers %s; the property's type is vt 0x%04x", Narrow(property.Name).c_str(),
         Describe(*value).c_str(), property.Type);
  return value;
}

IUnknown* TControlObject::FontIdentity() const {
  ComPtr<IFontDisp> font;
  const HRESULT hr = FObject->get_Font(&font);
  if (FAILED(hr) || !font) Fail("the object answers no font: 0x%08lx", hr);
  ComPtr<IUnknown> identity;
  font.As(&identity);
  return identity.Get();
}

ULONG TControlObject::Release() {
  FPersist.Reset();
  return FObject.Reset();
}

}  // namespace zarnel::fuzz
