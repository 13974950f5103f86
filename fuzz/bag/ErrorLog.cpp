#include "ErrorLog.h"

namespace zarnel::fuzz {

STDMETHODIMP TErrorLog::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IErrorLog)) return AnswerAsSelf(ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TErrorLog::AddError(LPCOLESTR name, EXCEPINFO* error) noexcept {
  return name && error ? S_OK : E_POINTER;
}

}  // namespace zarnel::fuzz
