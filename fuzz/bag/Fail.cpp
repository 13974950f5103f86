#include "Fail.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace zarnel::fuzz {

void Fail(const char* format, ...) {
  std::fputs("==property bag fuzz: ", stderr);
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::abort();
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::string Describe(const VARIANT& value) {
  char text[64];
  switch (value.vt) {
    case VT_UI1: std::snprintf(text, sizeof text, "VT_UI1 %u", value.bVal); break;
    case VT_BOOL: std::snprintf(text, sizeof text, "VT_BOOL %d", value.boolVal); break;
    case VT_I4: std::snprintf(text, sizeof text, "VT_I4 %ld", value.lVal); break;
    case VT_UI4: std::snprintf(text, sizeof text, "VT_UI4 0x%08lx", value.ulVal); break;
    case VT_DISPATCH: std::snprintf(text, sizeof text, "VT_DISPATCH %p", static_cast<void*>(value.pdispVal)); break;
    case VT_BSTR: {
      const std::wstring_view s(value.bstrVal ? value.bstrVal : L"", ::SysStringLen(value.bstrVal));
      return "VT_BSTR of " + std::to_string(s.size()) + " units \"" + Narrow(s.substr(0, 80)) + "\"";
    }
    default: std::snprintf(text, sizeof text, "vt 0x%04x", value.vt); break;
  }
  return text;
}

}  // namespace zarnel::fuzz
