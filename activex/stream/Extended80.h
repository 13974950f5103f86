#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zarnel::stream {

// The 80-bit extended float of the stream, kept as its bits so that no platform's long double is
// involved: a sign, a 15-bit biased exponent and a 64-bit mantissa with an explicit integer bit.
struct TExtended80 {
  std::uint64_t mantissa = 0;
  std::uint16_t signAndExponent = 0;

  bool IsFinite() const noexcept;
  bool operator==(const TExtended80&) const = default;
};

// A decimal number: `digits` (no leading or trailing zeros; empty for zero) times ten to the
// power `exponent`, counted from the first digit: {"15", -3} is 0.0015.
struct TDecimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

// The nearest extended value, ties to even; none when the value is too large or, not being zero,
// rounds to zero.
std::optional<TExtended80> ExtendedFromDecimal(const TDecimal& decimal);

// The shortest decimal that ExtendedFromDecimal turns back into the same value, and of those the
// nearest; `value` is finite.
// Encodings of one value (unnormals, pseudo-denormals) give the same decimal.
TDecimal ShortestDecimal(const TExtended80& value);

}  // namespace zarnel::stream
