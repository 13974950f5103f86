#include "AnsiCodePage.h"

#include <windows.h>

#include <limits>

#include "FrameworkError.h"

namespace zarnel {
namespace {

int CheckedLength(size_t size) {
  if (size > static_cast<size_t>(std::numeric_limits<int>::max())) throw EFrameworkError("Text too long");
  return static_cast<int>(size);
}

}  // namespace

std::u16string TAnsiCodePage::ToUtf16(std::string_view text) const {
  if (text.empty()) return {};
  const int length = CheckedLength(text.size());
  const int units = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0);
  std::u16string out(static_cast<size_t>(units), u'\0');
  ::MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(out.data()), units);
  return out;
}

std::string TAnsiCodePage::FromUtf16(std::u16string_view text) const {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = CheckedLength(text.size());
  const int bytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace zarnel
