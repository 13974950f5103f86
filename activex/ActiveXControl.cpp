#include "ActiveXControl.h"
#include "ConnectionPoints.h"

#include <oleauto.h>

#include "ComServer.h"

namespace zarnel {

TActiveXControlBase::TActiveXControlBase(TActiveXControlFactory& factory, IUnknown* outer)
    : FFactory(factory),
      FObjectCount(factory.Server()),
      FOuter(outer ? outer : &FInner),
      FErrorSource{&factory.DispatchInterface(), factory.ProgID().c_str()} {
  CreateConnectionPoints();
}

TActiveXControlBase::~TActiveXControlBase() {
  // The window's messages stop reaching this object before the control goes.
  RouteWindow(false);
  FControl.reset();
}

void TActiveXControlBase::Initialize() {
  FControl = FFactory.CreateControl();
  FControl->SetParentWindow(FParkingWindow.Handle());
  FControl->Handle();
  InitializeControl();
}

STDMETHODIMP TActiveXControlBase::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  return TableHasInterface(InterfaceTable(), iid) ? S_OK : S_FALSE;
}

STDMETHODIMP TActiveXControlBase::TInnerUnknown::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown)) {
    *ppv = this;
    AddRef();
    return S_OK;
  }
  return QueryFromTable(FOwner.ObjectAddress(), FOwner.InterfaceTable(), iid, ppv);
}

STDMETHODIMP_(ULONG) TActiveXControlBase::TInnerUnknown::AddRef() noexcept {
  return static_cast<ULONG>(::InterlockedIncrement(&FRefCount));
}

STDMETHODIMP_(ULONG) TActiveXControlBase::TInnerUnknown::Release() noexcept {
  const LONG count = ::InterlockedDecrement(&FRefCount);
  if (count == 0) {
    // Guards against a release from inside the destructor reaching zero a second time.
    FRefCount = 1;
    delete &FOwner;
  }
  return static_cast<ULONG>(count);
}

HRESULT TActiveXControlBase::DispatchGetTypeInfo(UINT index, ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  *info = FFactory.DispatchTypeInfo();
  (*info)->AddRef();
  return S_OK;
}

HRESULT TActiveXControlBase::DispatchGetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) noexcept {
  return ::DispGetIDsOfNames(FFactory.DispatchTypeInfo(), names, count, ids);
}

HRESULT TActiveXControlBase::DispatchInvoke(void* dual, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                            EXCEPINFO* exception, UINT* argumentError) noexcept {
  // The type information chooses between the put and the put-by-reference accessor.
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) flags = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;
  return FFactory.DispatchTypeInfo()->Invoke(dual, id, flags, params, result, exception, argumentError);
}

}  // namespace zarnel
