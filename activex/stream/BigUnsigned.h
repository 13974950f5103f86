#pragma once

#include <cstdint>
#include <vector>

namespace zarnel::stream {

// Just enough unsigned arbitrary-precision arithmetic for exact decimal conversions of floats.
class TBigUnsigned {
 public:
  explicit TBigUnsigned(std::uint64_t value = 0);

  bool IsZero() const noexcept { return FLimbs.empty(); }
  unsigned BitLength() const noexcept;

  TBigUnsigned& Add(const TBigUnsigned& other);
  TBigUnsigned& MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0);
  TBigUnsigned& MultiplyByPowerOfTen(std::uint64_t exponent);
  TBigUnsigned& ShiftLeft(std::uint64_t bits);

  // Divides by `divisor`, keeping the remainder; the quotient must be below 2^quotientBits (at most 64).
  std::uint64_t TakeQuotient(const TBigUnsigned& divisor, unsigned quotientBits);

  friend int Compare(const TBigUnsigned& a, const TBigUnsigned& b) noexcept;

 private:
  void ShiftRightOne() noexcept;
  // Requires *this >= other.
  void Subtract(const TBigUnsigned& other) noexcept;
  void Trim() noexcept;

  std::vector<std::uint32_t> FLimbs;  // least significant first, no zero limb at the top
};

}  // namespace zarnel::stream
