#pragma once
// A container's events sink of the test's own: it answers IDispatch and the control's events
// interface (and IPropertyNotifySink), records every call it gets, and counts its references.
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <functional>
#include <string>
#include <vector>

namespace zarnel::test {

// One IDispatch::Invoke the sink received, with its arguments as they came (rgvarg order: the
// event's last parameter first).
struct TRecordedEvent {
  DISPID Id = 0;
  IID Interface = GUID_NULL;
  LCID Locale = 0;
  WORD Flags = 0;
  UINT NamedArguments = 0;
  bool HasResult = false;
  bool HasException = false;
  bool HasArgumentError = false;
  std::vector<VARTYPE> Types;
  std::vector<LONG> Values;  // VT_I2 and VT_I4 values; 0 for any other type

  // "203 I4:10 I4:20 I4:0": the DISPID, then each argument's type and value in rgvarg order.
  std::string Describe() const;
};

class TRecordingSink final : public IDispatch, public IPropertyNotifySink {
 public:
  enum TInterfaces { siEvents, siDispatchOnly };
  // A new sink with the test's one reference.
  static Microsoft::WRL::ComPtr<TRecordingSink> Create(TInterfaces interfaces = siEvents);

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;

  STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) noexcept override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) noexcept override;
  // Records the call, runs the handler, then answers what Answer says.
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) noexcept override;

  STDMETHODIMP OnChanged(DISPID id) noexcept override;
  STDMETHODIMP OnRequestEdit(DISPID id) noexcept override;

  // The references held on the sink right now, the test's own included.
  ULONG References() const { return static_cast<ULONG>(FRefCount); }
  const std::vector<TRecordedEvent>& Events() const { return FEvents; }
  // The recorded events described, pointer moves (205) left out when withMoves is false.
  std::vector<std::string> Log(bool withMoves = true) const;
  // How many IPropertyNotifySink calls arrived.
  int Notifications() const { return FNotifications; }
  void Clear() { FEvents.clear(); }

  // What Invoke answers (S_OK unless told otherwise).
  HRESULT Answer = S_OK;
  // Runs inside Invoke, after the event is recorded.
  std::function<void(const TRecordedEvent&)> Handler;

 private:
  explicit TRecordingSink(TInterfaces interfaces) : FInterfaces(interfaces) {}
  ~TRecordingSink() = default;

  TInterfaces FInterfaces;
  LONG FRefCount = 0;
  std::vector<TRecordedEvent> FEvents;
  int FNotifications = 0;
};

}  // namespace zarnel::test
