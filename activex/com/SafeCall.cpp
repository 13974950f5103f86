#include "SafeCall.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <exception>
#include <string>

#include "AnsiCodePage.h"
#include "Bstr.h"
#include "OleError.h"

namespace zarnel {
namespace {

struct TFailure {
  HRESULT Code = E_UNEXPECTED;
  std::string Message;
};

TFailure CurrentFailure() noexcept {
  TFailure failure;
  try {
    throw;
  } catch (const EOleSysError& e) {
    if (FAILED(e.ErrorCode())) failure.Code = e.ErrorCode();
    failure.Message = e.what();
  } catch (const std::exception& e) {
    failure.Message = e.what();
  } catch (...) {
  }
  return failure;
}

void SetThreadErrorInfo(const TErrorSource& source, const std::string& message) {
  Microsoft::WRL::ComPtr<ICreateErrorInfo> create;
  if (FAILED(::CreateErrorInfo(&create))) return;
  const std::u16string description = TAnsiCodePage().ToUtf16(message);
  create->SetGUID(*source.Interface);
  create->SetSource(const_cast<LPOLESTR>(source.ProgID));
  create->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(description.c_str())));
  create->SetHelpContext(0);
  create->SetHelpFile(nullptr);
  Microsoft::WRL::ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) ::SetErrorInfo(0, info.Get());
}

}  // namespace

HRESULT HandleSafeCallException(const TErrorSource* source) noexcept {
  const TFailure failure = CurrentFailure();
  if (source) {
    try {
      SetThreadErrorInfo(*source, failure.Message);
    } catch (...) {
      // Without error information the code alone reaches the caller.
    }
  }
  return failure.Code;
}

}  // namespace zarnel
