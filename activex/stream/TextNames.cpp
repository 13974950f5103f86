#include "TextNames.h"

#include <algorithm>

#include "AsciiText.h"

namespace zarnel::stream {

bool IsIdentStart(char c) noexcept { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool IsIdentPart(char c) noexcept { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsIdentifier(std::string_view name) noexcept {
  return !name.empty() && IsIdentStart(name.front()) && std::ranges::all_of(name.substr(1), IsIdentPart);
}

bool IsDottedName(std::string_view name) noexcept {
  for (std::size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
    if (!IsIdentifier(name.substr(0, dot))) return false;
    name.remove_prefix(dot + 1);
  }
  return IsIdentifier(name);
}

bool IsComponentKeyword(std::string_view name) noexcept { return OpensComponent(name) || SameText(name, "end"); }

bool OpensComponent(std::string_view name) noexcept {
  return SameText(name, "object") || SameText(name, "inherited") || SameText(name, "inline");
}

}  // namespace zarnel::stream
