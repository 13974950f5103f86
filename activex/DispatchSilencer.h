#pragma once
// The relay between an object and its connected events sink: events reach the sink's dispatch
// interface unchanged, and whatever the sink answers, the object hears success. A container that
// does not handle an event (DISP_E_MEMBERNOTFOUND, say) never turns it into a failure of the
// property write or the input that raised it.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <span>

#include "ComObject.h"

namespace zarnel {

class TDispatchSilencer final : public TComObject<TDispatchSilencer, IDispatch> {
 public:
  // The relay for sink's events interface; raises with the sink's code when it lacks the interface.
  static Microsoft::WRL::ComPtr<IDispatch> Create(IUnknown* sink, const IID& events);

  static std::span<const TInterfaceEntry> Interfaces();

  // IUnknown, IDispatch and the events interface are the relay's; any other request is the sink's.
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) noexcept override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) noexcept override;
  // Passes the call on as it came and answers S_OK.
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) noexcept override;

 private:
  TDispatchSilencer(IUnknown* sink, const IID& events);

  Microsoft::WRL::ComPtr<IDispatch> FSink;
  IID FEvents;
};

}  // namespace zarnel
