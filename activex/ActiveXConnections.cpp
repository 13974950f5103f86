#include "ActiveXControl.h"
#include "ConnectionPoints.h"
#include "DispatchSilencer.h"

namespace zarnel {

STDMETHODIMP TActiveXControlBase::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  return FConnectionPoints->EnumConnectionPoints(points);
}

STDMETHODIMP TActiveXControlBase::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  return FConnectionPoints->FindConnectionPoint(iid, point);
}

// The events point (one sink at a time, through a relay) first, then the property notifications
// (any number of sinks, never called yet).
void TActiveXControlBase::CreateConnectionPoints() {
  FConnectionPoints = std::make_unique<TConnectionPoints>(static_cast<IConnectionPointContainer&>(*this));
  FConnectionPoints->CreateConnectionPoint(
      FFactory.EventInterface(), TConnectionKind::ckSingle,
      [this](IUnknown* sink, bool connecting) { EventsConnecting(sink, connecting); });
  FConnectionPoints->CreateConnectionPoint(IID_IPropertyNotifySink, TConnectionKind::ckMulti);
}

void TActiveXControlBase::EventsConnecting(IUnknown* sink, bool connecting) {
  if (!connecting) {
    FEventSink.Reset();
    EventSinkChanged(nullptr);
    return;
  }
  const IID& events = FFactory.EventInterface();
  Microsoft::WRL::ComPtr<IDispatch> eventSink;
  const HRESULT hr = sink->QueryInterface(events, reinterpret_cast<void**>(eventSink.GetAddressOf()));
  if (FAILED(hr)) throw EOleSysError("The sink does not implement the events interface", hr);
  const Microsoft::WRL::ComPtr<IDispatch> relay = TDispatchSilencer::Create(sink, events);
  FEventSink = std::move(eventSink);
  EventSinkChanged(relay.Get());
}

}  // namespace zarnel
