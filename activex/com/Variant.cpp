#include "Variant.h"

namespace zarnel {
namespace {

HRESULT InvokeProperty(IDispatch& target, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) noexcept {
  TExceptionInfo exception;
  const HRESULT hr = target.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception.get(), nullptr);
  return hr == DISP_E_EXCEPTION ? exception.Code() : hr;
}

}  // namespace

TExceptionInfo::~TExceptionInfo() {
  ::SysFreeString(FInfo.bstrSource);
  ::SysFreeString(FInfo.bstrDescription);
  ::SysFreeString(FInfo.bstrHelpFile);
}

HRESULT TExceptionInfo::Code() noexcept {
  if (FInfo.pfnDeferredFillIn) {
    FInfo.pfnDeferredFillIn(&FInfo);
    FInfo.pfnDeferredFillIn = nullptr;
  }
  if (FAILED(FInfo.scode)) return FInfo.scode;
  // An exception that names itself by an error number alone is still a failure.
  return DISP_E_EXCEPTION;
}

HRESULT GetProperty(IDispatch& target, DISPID id, TVariant& value) noexcept {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return InvokeProperty(target, id, DISPATCH_PROPERTYGET, none, value.put());
}

HRESULT PutProperty(IDispatch& target, DISPID id, VARIANT& value) noexcept {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  return InvokeProperty(target, id, DISPATCH_PROPERTYPUT, params, nullptr);
}

}  // namespace zarnel
