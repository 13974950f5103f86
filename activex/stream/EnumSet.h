#pragma once

#include <cstdint>
#include <initializer_list>

namespace zarnel::stream {

// A set of members of an enumeration with at most 32 members; bit n stands for ordinal n.
template <typename TEnum>
class TEnumSet {
 public:
  constexpr TEnumSet() noexcept = default;
  constexpr TEnumSet(std::initializer_list<TEnum> members) noexcept {
    for (const TEnum member : members) FBits |= std::uint32_t{1} << static_cast<unsigned>(member);
  }

  static constexpr TEnumSet FromBits(std::uint32_t bits) noexcept {
    TEnumSet set;
    set.FBits = bits;
    return set;
  }

  constexpr std::uint32_t Bits() const noexcept { return FBits; }

  friend constexpr bool operator==(TEnumSet, TEnumSet) noexcept = default;

 private:
  std::uint32_t FBits = 0;
};

}  // namespace zarnel::stream
