#pragma once
// An object a hostile bag hands out: a correct COM object (identity, reference counts, cleared out
// parameters) whose answers are chosen by the input: which interfaces it admits to, what
// QueryInterface answers for the others, and what IDispatch::Invoke answers for every member,
// including the value fetch (DISPID_VALUE) the platform makes when it converts the object to a
// number or a string. It answers every call the same way.
#include <windows.h>
#include <oaidl.h>

#include "Variant.h"
#include "RefCounted.h"

namespace zarnel::fuzz {

// What the objects of the current input answered that may stop a load.
struct TAnswerTrace {
  bool AbortAnswered = false;
};

struct THostileBehaviour {
  bool Dispatch = true;          // admits IDispatch
  bool ClaimsFontDisp = false;   // admits IFontDisp too (a dispinterface: its IDispatch face)
  HRESULT QueryFailure = E_NOINTERFACE;
  HRESULT InvokeAnswer = S_OK;
  SCODE ExceptionCode = 0;       // the exception's code when Invoke answers DISP_E_EXCEPTION
  TVariant Result;          // a copy goes out with each successful Invoke
};

class THostileObject final : public TRefCounted<IDispatch> {
 public:
  THostileObject(THostileBehaviour behaviour, TAnswerTrace& trace);

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) noexcept override;

 private:
  THostileBehaviour FBehaviour;
  TAnswerTrace& FTrace;
};

}  // namespace zarnel::fuzz
