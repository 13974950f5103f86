#pragma once

#include <string_view>

namespace zarnel::stream {

// Names as the text of a component spells them.

bool IsIdentStart(char c) noexcept;
bool IsIdentPart(char c) noexcept;
// Letters, digits and underscores, not starting with a digit.
bool IsIdentifier(std::string_view name) noexcept;
// Identifiers joined by dots: property paths ("Font.Style") and identifier values.
bool IsDottedName(std::string_view name) noexcept;
// The words that open and close components, whatever their case; no property has these names.
bool IsComponentKeyword(std::string_view name) noexcept;
// "object", "inherited" or "inline", whatever their case.
bool OpensComponent(std::string_view name) noexcept;

}  // namespace zarnel::stream
