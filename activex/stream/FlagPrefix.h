#pragma once

#include <cstdint>
#include <optional>

namespace zarnel::stream {

// The optional byte before a component's class name: its high nibble is all ones, its low bits
// say how the component came to be in the stream and whether a child position follows.
inline constexpr std::uint8_t FlagPrefixMask = 0xF0;
inline constexpr std::uint8_t FlagInherited = 0x01;
inline constexpr std::uint8_t FlagChildPosition = 0x02;
inline constexpr std::uint8_t FlagInline = 0x04;

struct TFlagPrefix {
  bool inherited = false;
  bool inlined = false;
  // The component's place among its parent's children, when the stream gives it.
  std::optional<std::int32_t> childPosition;

  bool IsEmpty() const noexcept { return !inherited && !inlined && !childPosition; }
  bool operator==(const TFlagPrefix&) const = default;
};

}  // namespace zarnel::stream
