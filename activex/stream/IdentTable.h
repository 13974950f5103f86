#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zarnel::stream {

struct TIdentEntry {
  std::int32_t value;
  std::string_view name;
};

// Names for some values of an integer type (colours, character sets, cursors).
class TIdentTable {
 public:
  constexpr explicit TIdentTable(std::span<const TIdentEntry> entries) noexcept : FEntries(entries) {}

  // A value with several names is written under the first.
  std::optional<std::string_view> NameOf(std::int32_t value) const noexcept;
  std::optional<std::int32_t> ValueOf(std::string_view name) const noexcept;
  std::span<const TIdentEntry> Entries() const noexcept { return FEntries; }

 private:
  std::span<const TIdentEntry> FEntries;
};

}  // namespace zarnel::stream
