// IPersistPropertyBag: the automation properties of the object, named as its type information
// names them, each read through the object's own IDispatch on save and written through it on load.
#include <wrl/client.h>

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

}  // namespace

HRESULT TActiveXControlBase::PropertyBagInitNew() noexcept { return S_OK; }

// The bag decides what it holds: an entry it does not answer with S_OK keeps the property's value,
// and one the property refuses is passed over. Only an abort from the bag or a property stops.
STDMETHODIMP TActiveXControlBase::Load(IPropertyBag* bag, IErrorLog* errorLog) noexcept {
  if (!bag) return E_POINTER;
  return SafeCallClearingInfo([&]() -> HRESULT {
    IDispatch& dispatch = *OwnDispatch();
    for (const TPersistedProperty& property : PropertiesOf(dispatch)) {
      TVariant value;
      const HRESULT read = bag->Read(property.Name.c_str(), value.get(), errorLog);
      if (read == E_ABORT) return E_FAIL;
      if (read != S_OK) continue;
      if (PutProperty(dispatch, property.Id, *value) == E_ABORT) return E_FAIL;
    }
    // What the refused entries said stays with them.
    ::SetErrorInfo(0, nullptr);
    FDirty = false;
    return S_OK;
  });
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
