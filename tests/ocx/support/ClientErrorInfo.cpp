#include "ClientErrorInfo.h"

#include <wrl/client.h>

namespace zarnel::test {

std::wstring TakeBstr(BSTR s) {
  std::wstring text = s ? std::wstring(s, ::SysStringLen(s)) : std::wstring();
  ::SysFreeString(s);
  return text;
}

TClientErrorInfo TakeErrorInfo() {
  TClientErrorInfo result;
  Microsoft::WRL::ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, &info) != S_OK || !info) return result;
  result.Present = true;
  info->GetGUID(&result.Interface);
  BSTR text = nullptr;
  if (SUCCEEDED(info->GetSource(&text))) result.Source = TakeBstr(text);
  text = nullptr;
  if (SUCCEEDED(info->GetDescription(&text))) result.Description = TakeBstr(text);
  text = nullptr;
  if (SUCCEEDED(info->GetHelpFile(&text))) {
    result.HelpFileNull = text == nullptr;
    result.HelpFile = TakeBstr(text);
  }
  info->GetHelpContext(&result.HelpContext);
  return result;
}

void ClearErrorInfo() { ::SetErrorInfo(0, nullptr); }

}  // namespace zarnel::test
