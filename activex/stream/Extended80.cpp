#include "Extended80.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "BigUnsigned.h"

namespace zarnel::stream {

namespace {

constexpr std::uint16_t SignBit = 0x8000;
constexpr std::uint16_t ExponentMask = 0x7FFF;
constexpr std::uint16_t LargestFiniteExponent = 0x7FFE;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
// A finite value is mantissa * 2^(max(exponent, 1) - MantissaScale).
constexpr std::int64_t MantissaScale = 16383 + 63;
// Beyond these decimal exponents a value overflows, or rounds to zero.
constexpr std::int64_t OverflowDecimalExponent = 4933;
constexpr std::int64_t UnderflowDecimalExponent = -4952;

// The value mantissa * 2^-scale, scale at most MantissaScale - 1 so that the exponent field
// follows from the integer bit alone.
TExtended80 Encode(bool negative, std::uint64_t mantissa, std::int64_t scale) {
  const auto exponent = static_cast<std::uint16_t>(mantissa >= IntegerBit ? MantissaScale - scale : 0);
  return {mantissa, static_cast<std::uint16_t>(exponent | (negative ? SignBit : 0))};
}

// The same value with the integer bit set where the exponent range allows it.
TExtended80 Normalized(const TExtended80& value) {
  std::uint64_t mantissa = value.mantissa;
  std::int64_t scale = MantissaScale - std::max<std::int64_t>(value.signAndExponent & ExponentMask, 1);
  if (mantissa != 0) {
    const int shift = static_cast<int>(std::min<std::int64_t>(std::countl_zero(mantissa), MantissaScale - 1 - scale));
    mantissa <<= shift;
    scale += shift;
  }
  return Encode((value.signAndExponent & SignBit) != 0, mantissa, scale);
}

struct TRoundedQuotient {
  std::uint64_t quotient;
  bool roundUp;
};

// numerator * 2^scale / denominator, whose integer part must fit 64 bits, rounded ties to even.
TRoundedQuotient ScaledQuotient(TBigUnsigned numerator, TBigUnsigned denominator, std::int64_t scale) {
  if (scale >= 0) {
    numerator.ShiftLeft(static_cast<std::uint64_t>(scale));
  } else {
    denominator.ShiftLeft(static_cast<std::uint64_t>(-scale));
  }
  const std::uint64_t quotient = numerator.TakeQuotient(denominator, 64);
  numerator.ShiftLeft(1);
  const int half = Compare(numerator, denominator);
  return {quotient, half > 0 || (half == 0 && (quotient & 1) != 0)};
}

}  // namespace

bool TExtended80::IsFinite() const noexcept { return (signAndExponent & ExponentMask) != ExponentMask; }

std::optional<TExtended80> ExtendedFromDecimal(const TDecimal& decimal) {
  if (decimal.digits.empty()) return Encode(decimal.negative, 0, 0);
  if (decimal.exponent >= OverflowDecimalExponent || decimal.exponent <= UnderflowDecimalExponent) return std::nullopt;

  TBigUnsigned numerator;
  for (const char digit : decimal.digits) numerator.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
  TBigUnsigned denominator(1);
  const std::int64_t powerOfTen = decimal.exponent - static_cast<std::int64_t>(decimal.digits.size() - 1);
  if (powerOfTen >= 0) {
    numerator.MultiplyByPowerOfTen(static_cast<std::uint64_t>(powerOfTen));
  } else {
    denominator.MultiplyByPowerOfTen(static_cast<std::uint64_t>(-powerOfTen));
  }

  // This scale puts the quotient in [2^62, 2^64); one more bit when it fell short of 2^63.
  std::int64_t scale = std::min<std::int64_t>(
      63 - (static_cast<std::int64_t>(numerator.BitLength()) - denominator.BitLength()), MantissaScale - 1);
  TRoundedQuotient rounded = ScaledQuotient(numerator, denominator, scale);
  if (rounded.quotient < IntegerBit && scale < MantissaScale - 1)
    rounded = ScaledQuotient(numerator, denominator, ++scale);

  std::uint64_t mantissa = rounded.quotient;
  if (rounded.roundUp && ++mantissa == 0) {
    mantissa = IntegerBit;
    --scale;
  }
  if (mantissa == 0 || MantissaScale - scale > LargestFiniteExponent) return std::nullopt;
  return Encode(decimal.negative, mantissa, scale);
}

// Digits are generated until they fall within half the gap to either neighbouring value, so
// that they read back as the value and no shorter digits would; the last digit is rounded
// towards the value. All of it in exact fractions: value = numerator / denominator, the half
// gaps above and below are above / denominator and below / denominator.
TDecimal ShortestDecimal(const TExtended80& value) {
  const TExtended80 target = Normalized(value);
  const bool negative = (target.signAndExponent & SignBit) != 0;
  if (target.mantissa == 0) return {negative, {}, 0};

  const int exponentField = target.signAndExponent & ExponentMask;
  const std::int64_t binaryExponent = std::max(exponentField, 1) - MantissaScale;
  // At a power of two the value below is twice as close, unless the exponent is the lowest.
  const unsigned closerBelow = target.mantissa == IntegerBit && exponentField > 1 ? 1 : 0;
  // Text halfway to a neighbour reads as the even mantissa of the two.
  const bool halfwayReadsBack = target.mantissa % 2 == 0;
  TBigUnsigned numerator(target.mantissa);
  TBigUnsigned denominator(1);
  TBigUnsigned above(1);
  TBigUnsigned below(1);
  numerator.ShiftLeft(1 + closerBelow);
  denominator.ShiftLeft(1 + closerBelow);
  above.ShiftLeft(closerBelow);
  if (binaryExponent >= 0) {
    for (TBigUnsigned* scaled : {&numerator, &above, &below})
      scaled->ShiftLeft(static_cast<std::uint64_t>(binaryExponent));
  } else {
    denominator.ShiftLeft(static_cast<std::uint64_t>(-binaryExponent));
  }
  const auto reachesUp = [&] {
    const int side = Compare(TBigUnsigned(numerator).Add(above), denominator);
    return halfwayReadsBack ? side >= 0 : side > 0;
  };
  const auto reachesDown = [&] {
    const int side = Compare(numerator, below);
    return halfwayReadsBack ? side <= 0 : side < 0;
  };

  // The power of ten just above the upper bound: ceil(log10) of the value's lowest power of two
  // is it or one below it. The product is far from any integer for the exponents that occur, so
  // rounding in the double cannot carry it across one.
  const std::int64_t lowestPowerOfTwo = std::bit_width(target.mantissa) - 1 + binaryExponent;
  auto decimalExponent = static_cast<std::int64_t>(std::ceil(static_cast<double>(lowestPowerOfTwo) * std::log10(2.0)));
  if (decimalExponent >= 0) {
    denominator.MultiplyByPowerOfTen(static_cast<std::uint64_t>(decimalExponent));
  } else {
    for (TBigUnsigned* scaled : {&numerator, &above, &below}) {
      scaled->MultiplyByPowerOfTen(static_cast<std::uint64_t>(-decimalExponent));
    }
  }
  if (reachesUp()) {
    denominator.MultiplyAdd(10);
    ++decimalExponent;
  }

  std::string digits;
  for (;;) {
    for (TBigUnsigned* scaled : {&numerator, &above, &below}) scaled->MultiplyAdd(10);
    auto digit = static_cast<char>('0' + numerator.TakeQuotient(denominator, 4));
    const bool down = reachesDown();
    const bool up = reachesUp();
    if (up && (!down || Compare(TBigUnsigned(numerator).ShiftLeft(1), denominator) >= 0)) ++digit;
    digits.push_back(digit);
    if (down || up) break;
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  return {negative, digits, decimalExponent - 1};
}

}  // namespace zarnel::stream
