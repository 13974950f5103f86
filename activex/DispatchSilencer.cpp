#include "DispatchSilencer.h"

#include "OleError.h"

namespace zarnel {

TDispatchSilencer::TDispatchSilencer(IUnknown* sink, const IID& events) : FEvents(events) {
  const HRESULT hr = sink->QueryInterface(events, reinterpret_cast<void**>(FSink.GetAddressOf()));
  if (FAILED(hr)) throw EOleSysError("The sink does not implement the events interface", hr);
}

Microsoft::WRL::ComPtr<IDispatch> TDispatchSilencer::Create(IUnknown* sink, const IID& events) {
  return Microsoft::WRL::ComPtr<IDispatch>(new TDispatchSilencer(sink, events));
}

std::span<const TInterfaceEntry> TDispatchSilencer::Interfaces() {
  static const TInterfaceEntry table[] = {InterfaceEntry<TDispatchSilencer, IDispatch>(IID_IDispatch)};
  return table;
}

STDMETHODIMP TDispatchSilencer::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (ppv && ::IsEqualIID(iid, FEvents)) {
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  const HRESULT hr = TComObject::QueryInterface(iid, ppv);
  return hr == E_NOINTERFACE ? FSink->QueryInterface(iid, ppv) : hr;
}

STDMETHODIMP TDispatchSilencer::GetTypeInfoCount(UINT* count) noexcept { return FSink->GetTypeInfoCount(count); }

STDMETHODIMP TDispatchSilencer::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) noexcept {
  return FSink->GetTypeInfo(index, lcid, info);
}

STDMETHODIMP TDispatchSilencer::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                              DISPID* ids) noexcept {
  return FSink->GetIDsOfNames(iid, names, count, lcid, ids);
}

STDMETHODIMP TDispatchSilencer::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                       VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept {
  FSink->Invoke(id, iid, lcid, flags, params, result, exception, argumentError);
  return S_OK;
}

}  // namespace zarnel
