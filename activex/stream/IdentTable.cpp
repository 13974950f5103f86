#include "IdentTable.h"

#include <algorithm>

#include "AsciiText.h"

namespace zarnel::stream {

std::optional<std::string_view> TIdentTable::NameOf(std::int32_t value) const noexcept {
  const auto entry = std::ranges::find(FEntries, value, &TIdentEntry::value);
  if (entry == FEntries.end()) return std::nullopt;
  return entry->name;
}

std::optional<std::int32_t> TIdentTable::ValueOf(std::string_view name) const noexcept {
  const auto entry = std::ranges::find_if(FEntries, [name](const TIdentEntry& e) { return SameText(e.name, name); });
  if (entry == FEntries.end()) return std::nullopt;
  return entry->value;
}

}  // namespace zarnel::stream
