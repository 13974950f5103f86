// IPersistPropertyBag: the automation properties of the object, named as its type information
// names them, each read through the object's own IDispatch on save and written through it on load.
#include <wrl/client.h>

#include <utility>

#include "ActiveXControl.h"
#include "PersistedProperties.h"
#include "Variant.h"

namespace zarnel {
namespace {

std::vector<TPersistedProperty> PropertiesOf(IDispatch& dispatch) {
  Microsoft::WRL::ComPtr<ITypeInfo> info;
  OleCheck(dispatch.GetTypeInfo(0, LOCALE_USER_DEFAULT, &info));
  return PersistedProperties(*info.Get());
}

// The value as a property put takes it: by value, and an object by its IDispatch. The platform's
// conversion of a reference or of a plain IUnknown keeps what it converted when the property then
// refuses the result, so it is never given either. False for an object no property can take.
bool MakePlainValue(TVariant& value) {
  TVariant plain;
  if (FAILED(::VariantCopyInd(plain.get(), value.get()))) return false;
  if (plain->vt == VT_UNKNOWN) {
    IDispatch* dispatch = nullptr;
    if (!plain->punkVal || FAILED(plain->punkVal->QueryInterface(IID_PPV_ARGS(&dispatch)))) return false;
    plain->punkVal->Release();
    plain->vt = VT_DISPATCH;
    plain->pdispVal = dispatch;
  }
  std::swap(*value, *plain);
  return true;
}

}  // namespace

HRESULT TActiveXControlBase::PropertyBagInitNew() noexcept { return S_OK; }

// The bag decides what it holds: an entry it does not answer with S_OK keeps the property's value,
// and one the property refuses is passed over. Only an abort from the bag or a property stops.
STDMETHODIMP TActiveXControlBase::Load(IPropertyBag* bag, IErrorLog* errorLog) noexcept {
  if (!bag) return E_POINTER;
  return SafeCallClearingInfo([&]() -> HRESULT {
    TComponent::TLoadingMark loading(Control());
    if (!ReadProperties(*bag, errorLog)) return E_FAIL;
    loading.Loaded();
    // What the refused entries said stays with them.
    ::SetErrorInfo(0, nullptr);
    FDirty = false;
    return S_OK;
  });
}

// False when the bag or a property aborted the load.
bool TActiveXControlBase::ReadProperties(IPropertyBag& bag, IErrorLog* errorLog) {
  IDispatch& dispatch = *OwnDispatch();
  for (const TPersistedProperty& property : PropertiesOf(dispatch)) {
    TVariant value;
    const HRESULT read = bag.Read(property.Name.c_str(), value.get(), errorLog);
    if (read == E_ABORT) return false;
    if (read != S_OK || !MakePlainValue(value)) continue;
    if (PutProperty(dispatch, property.Id, *value) == E_ABORT) return false;
  }
  return true;
}

// All properties are written whatever the container asks: the bag's answer is its own business.
STDMETHODIMP TActiveXControlBase::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) noexcept {
  if (!bag) return E_POINTER;
  return SafeCallClearingInfo([&]() -> HRESULT {
    IDispatch& dispatch = *OwnDispatch();
    for (const TPersistedProperty& property : PropertiesOf(dispatch)) {
      TVariant value;
      const HRESULT hr = GetProperty(dispatch, property.Id, value);
      if (FAILED(hr)) return hr;
      bag->Write(property.Name.c_str(), value.get());
    }
    if (clearDirty) FDirty = false;
    return S_OK;
  });
}

}  // namespace zarnel
