// Inputs no caller in the control produces: saturation, infinities and NaN must
// give defined, documented results.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "PositionMath.h"

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct ProductCase {
  int32_t k;
  float f;
  int32_t expected;
};

TEST(PositionMathLimits, RoundProductSaturatesAndMapsNaNToZero) {
  const ProductCase cases[] = {
      {INT32_MIN, -1.0f, INT32_MAX},  // 2^31 does not fit
      {INT32_MIN, 1.0f, INT32_MIN},
      {INT32_MAX, 1.0f, INT32_MAX},
      {3, 1e10f, INT32_MAX},
      {-3, 1e10f, INT32_MIN},
      {2, 3e38f, INT32_MAX},
      {5, kInfinity, INT32_MAX},
      {5, -kInfinity, INT32_MIN},
      {0, kInfinity, 0},
      {7, kNaN, 0},
      {1, 1e-30f, 0},
      {-5, 0.5f, -2},  // ties to even on the negative side too
      {-3, 0.5f, -2},
      {INT32_MAX, 0.5f, 1073741824},  // 1073741823.5
  };
  for (const ProductCase& c : cases) {
    EXPECT_EQ(zarnel::RoundProduct(c.k, c.f), c.expected) << c.k << " * " << c.f;
  }
}

TEST(PositionMathLimits, NonFiniteReciprocalsFollowIeee) {
  EXPECT_EQ(zarnel::RangeReciprocal(0), kInfinity);
  EXPECT_EQ(zarnel::FractionOf(5, 2, kInfinity), kInfinity);
  EXPECT_TRUE(std::isnan(zarnel::FractionOf(2, 2, kInfinity)));
  EXPECT_TRUE(std::isnan(zarnel::FractionOf(5, 2, kNaN)));
  EXPECT_EQ(zarnel::FractionOf(3, 0, -0.25f), -0.75f);
}

TEST(PositionMathLimits, FractionSpansRangesWiderThanInt32) {
  const float reciprocal = zarnel::RangeReciprocal(0xFFFFFFFFu);
  EXPECT_EQ(zarnel::FractionOf(INT32_MIN, INT32_MIN, reciprocal), 0.0f);
  EXPECT_EQ(zarnel::FractionOf(INT32_MAX, INT32_MIN, reciprocal), 1.0f);
  EXPECT_EQ(zarnel::FractionOf(0, INT32_MIN, reciprocal), 0.5f);
}

}  // namespace
