#include "PositionMath.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace zarnel {
namespace {

constexpr int kSingleDigits = 24;  // significand bits of IEEE single precision

// A finite single as sign, integer significand (below 2^24) and the exponent of its lowest bit.
struct SplitSingle {
  bool negative;
  uint64_t significand;
  int exponent;
};

SplitSingle Split(float value) {
  int exponent = 0;
  const float mantissa = std::frexp(value, &exponent);                       // exact, |mantissa| in [0.5, 1)
  const float significand = std::ldexp(std::fabs(mantissa), kSingleDigits);  // exact integer
  return {std::signbit(value), static_cast<uint64_t>(significand), exponent - kSingleDigits};
}

// value / 2^shift to the nearest integer, ties to even; sticky says that value was
// truncated and the true value lies a little above it. shift is 1..63.
uint64_t ShiftRounded(uint64_t value, int shift, bool sticky) {
  const uint64_t kept = value >> shift;
  const uint64_t rest = value & ((uint64_t{1} << shift) - 1);
  const uint64_t half = uint64_t{1} << (shift - 1);
  const bool up = rest > half || (rest == half && (sticky || (kept & 1) != 0));
  return kept + (up ? 1 : 0);
}

// magnitude * 2^exponent to single precision. A sticky tail needs a magnitude of
// more than 24 bits, so that the tail only ever decides a tie.
float RoundToSingle(uint64_t magnitude, bool sticky, int exponent) {
  const int excess = static_cast<int>(std::bit_width(magnitude)) - kSingleDigits;
  if (excess <= 0) {
    return std::ldexp(static_cast<float>(magnitude), exponent);
  }
  const uint64_t rounded = ShiftRounded(magnitude, excess, sticky);
  return std::ldexp(static_cast<float>(rounded), exponent + excess);
}

}  // namespace

float RangeReciprocal(uint32_t range) {
  if (range == 0) {
    return std::numeric_limits<float>::infinity();
  }
  // 2^63 / range keeps at least 32 quotient bits; the remainder only breaks ties.
  constexpr uint64_t kScale = uint64_t{1} << 63;
  return RoundToSingle(kScale / range, kScale % range != 0, -63);
}

float FractionOf(int32_t n, int32_t min, float reciprocal) {
  const uint32_t offset = static_cast<uint32_t>(n) - static_cast<uint32_t>(min);
  if (!std::isfinite(reciprocal)) {
    return static_cast<float>(offset) * reciprocal;  // infinite or NaN: nothing to round
  }
  const SplitSingle r = Split(reciprocal);
  const float magnitude = RoundToSingle(offset * r.significand, false, r.exponent);
  return r.negative ? -magnitude : magnitude;
}

int32_t RoundProduct(int32_t k, float f) {
  if (std::isnan(f)) {
    return 0;
  }
  // Every non-zero product with |f| >= 2^32 saturates anyway; the clamp keeps the
  // exact product below 2^64 and turns infinities into ordinary saturating values.
  constexpr float kBound = 4294967296.0f;
  const SplitSingle s = Split(std::clamp(f, -kBound, kBound));
  const bool negative = s.negative != (k < 0);
  const uint32_t kMagnitude = k < 0 ? 0u - static_cast<uint32_t>(k) : static_cast<uint32_t>(k);
  const uint64_t product = uint64_t{kMagnitude} * s.significand;

  uint64_t rounded = 0;  // with the lowest bit at 2^-64 or below, the product is far below 1/2
  if (s.exponent >= 0) {
    rounded = product << s.exponent;
  } else if (s.exponent > -64) {
    rounded = ShiftRounded(product, -s.exponent, false);
  }
  const uint64_t limit = negative ? uint64_t{1} << 31 : uint64_t{std::numeric_limits<int32_t>::max()};
  const auto bounded = static_cast<uint32_t>(std::min(rounded, limit));
  return static_cast<int32_t>(negative ? 0u - bounded : bounded);
}

std::vector<int16_t> BuildStepTable(int32_t clientWidth, uint8_t step, uint8_t offset) {
  if (step < 2) {
    return {};
  }
  const auto width = static_cast<uint32_t>(std::max(clientWidth, 0));
  std::vector<int16_t> table(size_t{width} + 1);
  for (uint32_t column = 0; column < width; ++column) {
    auto snapped = static_cast<int16_t>(column / step * step);
    if (snapped > 0) {
      snapped = static_cast<int16_t>(snapped + offset);
    }
    table[column] = snapped;
  }
  table[width] = static_cast<int16_t>(width);  // a full bar is never shifted
  return table;
}

}  // namespace zarnel
