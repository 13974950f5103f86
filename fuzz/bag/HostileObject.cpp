#include "HostileObject.h"

#include <ocidl.h>
#include <olectl.h>

#include <utility>

namespace zarnel::fuzz {

THostileObject::THostileObject(THostileBehaviour behaviour, TAnswerTrace& trace)
    : FBehaviour(std::move(behaviour)), FTrace(trace) {}

STDMETHODIMP THostileObject::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown)) return AnswerAsSelf(ppv);
  if (FBehaviour.Dispatch &&
      (::IsEqualIID(iid, IID_IDispatch) || (FBehaviour.ClaimsFontDisp && ::IsEqualIID(iid, IID_IFontDisp))))
    return AnswerAsSelf(ppv);
  *ppv = nullptr;
  return FBehaviour.QueryFailure;
}

STDMETHODIMP THostileObject::GetTypeInfoCount(UINT* count) noexcept {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP THostileObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP THostileObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  if (!names || !ids) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP THostileObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO* exception,
                                    UINT*) noexcept {
  const HRESULT answer = FBehaviour.InvokeAnswer;
  if (answer == E_ABORT || (answer == DISP_E_EXCEPTION && FBehaviour.ExceptionCode == E_ABORT))
    FTrace.AbortAnswered = true;
  if (answer == DISP_E_EXCEPTION && exception) {
    *exception = EXCEPINFO{};
    exception->scode = FBehaviour.ExceptionCode;
    // An exception that names itself by number alone carries no code.
    if (!exception->scode) exception->wCode = 1001;
    exception->bstrSource = ::SysAllocString(L"Hostile");
    exception->bstrDescription = ::SysAllocString(L"The object refuses.");
  }
  if (SUCCEEDED(answer) && result) {
    ::VariantInit(result);
    const HRESULT copied = ::VariantCopy(result, &*FBehaviour.Result);
    if (FAILED(copied)) return copied;
  }
  return answer;
}

}  // namespace zarnel::fuzz
