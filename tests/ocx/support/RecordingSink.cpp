#include "RecordingSink.h"

#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

std::string TypeName(VARTYPE type) {
  switch (type) {
    case VT_I2:
      return "I2";
    case VT_I4:
      return "I4";
    default:
      return "vt" + std::to_string(type);
  }
}

}  // namespace

std::string TRecordedEvent::Describe() const {
  std::string text = std::to_string(Id);
  for (size_t i = 0; i < Types.size(); ++i) text += " " + TypeName(Types[i]) + ":" + std::to_string(Values[i]);
  return text;
}

Microsoft::WRL::ComPtr<TRecordingSink> TRecordingSink::Create(TInterfaces interfaces) {
  return Microsoft::WRL::ComPtr<TRecordingSink>(new TRecordingSink(interfaces));
}

STDMETHODIMP TRecordingSink::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDispatch) ||
      (FInterfaces == siEvents && ::IsEqualIID(iid, DIID_IZarnelXEvents)))
    *ppv = static_cast<IDispatch*>(this);
  else if (::IsEqualIID(iid, IID_IPropertyNotifySink))
    *ppv = static_cast<IPropertyNotifySink*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) TRecordingSink::AddRef() noexcept { return static_cast<ULONG>(++FRefCount); }

STDMETHODIMP_(ULONG) TRecordingSink::Release() noexcept {
  const LONG count = --FRefCount;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

STDMETHODIMP TRecordingSink::GetTypeInfoCount(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP TRecordingSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP TRecordingSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept {
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP TRecordingSink::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept {
  TRecordedEvent event;
  event.Id = id;
  event.Interface = iid;
  event.Locale = lcid;
  event.Flags = flags;
  event.HasResult = result != nullptr;
  event.HasException = exception != nullptr;
  event.HasArgumentError = argumentError != nullptr;
  if (params) {
    event.NamedArguments = params->cNamedArgs;
    for (UINT i = 0; i < params->cArgs; ++i) {
      const VARIANT& argument = params->rgvarg[i];
      event.Types.push_back(argument.vt);
      event.Values.push_back(argument.vt == VT_I2 ? argument.iVal : argument.vt == VT_I4 ? argument.lVal : 0);
    }
  }
  FEvents.push_back(event);
  if (Handler) Handler(event);
  return Answer;
}

STDMETHODIMP TRecordingSink::OnChanged(DISPID) noexcept {
  ++FNotifications;
  return S_OK;
}

STDMETHODIMP TRecordingSink::OnRequestEdit(DISPID) noexcept {
  ++FNotifications;
  return S_OK;
}

std::vector<std::string> TRecordingSink::Log(bool withMoves) const {
  std::vector<std::string> log;
  for (const TRecordedEvent& event : FEvents)
    if (withMoves || event.Id != 205) log.push_back(event.Describe());
  return log;
}

}  // namespace zarnel::test
