#include "Bstr.h"

#include "AnsiCodePage.h"
#include "OleError.h"

namespace zarnel {

std::string BstrToText(BSTR s) {
  if (!s) return {};
  const std::u16string_view wide(reinterpret_cast<const char16_t*>(s), ::SysStringLen(s));
  return TAnsiCodePage().FromUtf16(wide);
}

TBstr TextToBstr(const std::string& text) {
  if (text.empty()) return TBstr();
  const std::u16string wide = TAnsiCodePage().ToUtf16(text);
  return MakeBstr(std::wstring_view(reinterpret_cast<const wchar_t*>(wide.data()), wide.size()));
}

TBstr MakeBstr(std::wstring_view text) {
  TBstr s(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
  if (!s.get()) throw EOleSysError("Out of memory", E_OUTOFMEMORY);
  return s;
}

}  // namespace zarnel
