// Checks the exact integer arithmetic against an independent judge in quad
// precision: products of a 32-bit integer and a single fit its 113-bit
// significand exactly, so only the final rounding to single or to an integer is
// left, and the judge does that with the library's correctly rounded conversion.
// A quotient 1/range is never within 2^-57 (relative) of a single-precision tie,
// far beyond quad precision, so rounding it twice cannot change the result.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "PositionMath.h"

namespace {

using Quad = __float128;

float JudgeReciprocal(uint32_t range) { return static_cast<float>(Quad(1) / Quad(range)); }

float JudgeFraction(uint32_t offset, float reciprocal) { return static_cast<float>(Quad(offset) * Quad(reciprocal)); }

int64_t JudgeRound(int32_t k, float f) {
  Quad x = Quad(k) * Quad(f);
  const bool negative = x < 0;
  if (negative) {
    x = -x;
  }
  auto whole = static_cast<int64_t>(x);
  const Quad rest = x - Quad(whole);
  if (rest > Quad(0.5) || (rest == Quad(0.5) && whole % 2 != 0)) {
    ++whole;
  }
  return negative ? -whole : whole;
}

uint32_t Bits(float f) { return std::bit_cast<uint32_t>(f); }

// Powers of two and their neighbours, small primes, decimal ranges, the ends of
// the signed and unsigned 32-bit ranges, then seeded random ranges of every size.
std::vector<uint32_t> Ranges() {
  std::vector<uint32_t> ranges{1,           3,           5,           7,           10,
                               100,         1000,        1000000,     3000000000u, 0xAAAAAAABu,
                               0x7FFFFFFFu, 0x80000001u, 0xFFFFFFFDu, 0xFFFFFFFEu, 0xFFFFFFFFu};
  for (int bit = 1; bit < 32; ++bit) {
    const uint32_t power = uint32_t{1} << bit;
    ranges.insert(ranges.end(), {power - 1, power, power + 1, 3 * (power >> 1)});
  }
  std::mt19937 engine(20240611);
  for (int i = 0; i < 1500; ++i) {
    const uint32_t wide = engine() | 1;
    ranges.insert(ranges.end(), {wide, (wide >> (i % 32)) | 1});
  }
  return ranges;
}

// Ends, middle, neighbours of every whole-percentage tie, and random positions.
std::vector<uint32_t> Offsets(uint32_t range, std::mt19937& engine) {
  const uint64_t r = range;
  std::vector<uint64_t> offsets{0, 1, 2, r - 1, r, r / 2, r / 2 + 1};
  for (uint64_t k = 0; k < 100; ++k) {
    const uint64_t tie = (2 * k + 1) * r / 200;
    offsets.insert(offsets.end(), {tie - 1, tie, tie + 1});
  }
  for (int i = 0; i < 20; ++i) {
    offsets.push_back(engine() % (r + 1));
  }
  std::vector<uint32_t> inside;
  for (const uint64_t offset : offsets) {
    if (offset <= r) {  // drops the wrapped 0 - 1
      inside.push_back(static_cast<uint32_t>(offset));
    }
  }
  return inside;
}

TEST(PositionMathJudge, ReciprocalIsCorrectlyRounded) {
  for (const uint32_t range : Ranges()) {
    ASSERT_EQ(Bits(zarnel::RangeReciprocal(range)), Bits(JudgeReciprocal(range))) << "range " << range;
  }
}

TEST(PositionMathJudge, FractionAndPercentageAreCorrectlyRounded) {
  const int32_t mins[] = {INT32_MIN, -50, 0, 7, INT32_MAX};
  std::mt19937 engine(77);
  size_t checked = 0;
  for (const uint32_t range : Ranges()) {
    const float reciprocal = JudgeReciprocal(range);
    for (const uint32_t offset : Offsets(range, engine)) {
      const int32_t min = mins[checked++ % std::size(mins)];
      const auto n = static_cast<int32_t>(static_cast<uint32_t>(min) + offset);
      const float expected = JudgeFraction(offset, reciprocal);
      const float fraction = zarnel::FractionOf(n, min, reciprocal);
      ASSERT_EQ(Bits(fraction), Bits(expected)) << "range " << range << " offset " << offset;
      ASSERT_GE(fraction, 0.0f);
      ASSERT_LE(fraction, 1.0f);
      ASSERT_EQ(zarnel::RoundProduct(100, fraction), JudgeRound(100, expected))
          << "range " << range << " offset " << offset;
    }
  }
  EXPECT_GT(checked, 500000u);
}

TEST(PositionMathJudge, ColumnIsCorrectlyRoundedForEveryClientWidth) {
  std::vector<float> fractions{0.0f, 1.0f, 0.5f, 0.25f, 0.375f, 0.125f, 0.0625f, 0.2f, 0.57f};
  for (const uint32_t range : {3u, 7u, 8u, 200u, 1000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    for (const uint32_t offset : {1u, range / 3, range / 2, range - 1}) {
      fractions.push_back(JudgeFraction(offset, JudgeReciprocal(range)));
    }
  }
  for (const float f : fractions) {
    for (int32_t width = 0; width <= 32767; ++width) {
      ASSERT_EQ(zarnel::RoundProduct(width, f), JudgeRound(width, f)) << "width " << width << " f " << f;
    }
  }
}

TEST(PositionMathJudge, RoundProductIsCorrectlyRoundedForSignedFactors) {
  std::mt19937 engine(4242);
  for (int i = 0; i < 200000; ++i) {
    const auto k = static_cast<int32_t>(engine() | 1);  // odd, so halves are ties
    const float magnitude =
        i % 2 == 0 ? std::ldexp(static_cast<float>(engine() & 0xFFFFFF), -24 - static_cast<int>(engine() % 40))
                   : std::ldexp(static_cast<float>(2 * (engine() % 64) + 1), -1 - static_cast<int>(engine() % 8));
    const float f = engine() % 2 == 0 ? magnitude : -magnitude;
    if (f < -1.0f || f > 1.0f) {
      continue;  // beyond +-1 the product can leave the 32-bit range
    }
    ASSERT_EQ(zarnel::RoundProduct(k, f), JudgeRound(k, f)) << "k " << k << " f " << f;
  }
}

}  // namespace
