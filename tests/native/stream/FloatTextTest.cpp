#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "FloatText.h"

namespace zarnel::stream {
namespace {

constexpr TExtended80 ExtendedOne{0x8000000000000000, 0x3FFF};

// Digits of the text from the first nonzero one to the last nonzero one: "100.0" has 1, "0.015" 2.
std::size_t SignificantDigits(std::string_view text) {
  std::string digits;
  for (const char c : text.substr(0, text.find('e'))) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits.find_last_not_of('0') + 1 - digits.find_first_not_of('0');
}

TEST(FloatText, DoublesAndSinglesPrintTheirShortestDigitsInPlainOrScientificNotation) {
  const std::pair<double, const char*> doubles[] = {
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {1.0, "1.0"},
      {0.1, "0.1"},
      {100.0, "100.0"},
      {123456.789, "123456.789"},
      {1e20, "100000000000000000000.0"},
      {1e21, "1e21"},
      {1e-6, "0.000001"},
      {1.5e-7, "1.5e-7"},
      {-2.5e300, "-2.5e300"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e308"},
      {std::numeric_limits<double>::denorm_min(), "5e-324"},
  };
  for (const auto& [value, text] : doubles) EXPECT_EQ(FormatFloat(value), text);

  const std::pair<float, const char*> singles[] = {
      {0.1f, "0.1"},
      {16777216.0f, "16777216.0"},
      {std::numeric_limits<float>::max(), "3.4028235e38"},
      {std::numeric_limits<float>::denorm_min(), "1e-45"},
  };
  for (const auto& [value, text] : singles) EXPECT_EQ(FormatFloat(value), text);

  EXPECT_EQ(FormatFloat(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(FormatFloat(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
}

TEST(FloatText, ExtendedValuesAtTheEdgesOfTheFormat) {
  const std::pair<TExtended80, const char*> cases[] = {
      {ExtendedOne, "1.0"},
      {{0xCCCCCCCCCCCCCCCD, 0x3FFB}, "0.1"},
      {{0xFFFFFFFFFFFFFFFF, 0x403E}, "18446744073709551615.0"},
      {{0xFFFFFFFFFFFFFFFF, 0x7FFE}, "1.189731495357231765e4932"},
      {{0x8000000000000000, 0x0001}, "3.3621031431120935063e-4932"},
      {{0x0000000000000001, 0x0000}, "4e-4951"},
      {{0x0000000000000001, 0x8000}, "-4e-4951"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FormatFloat(value), text);
    EXPECT_EQ(ParseExtended(text), value);
  }
  EXPECT_EQ(FormatFloat(TExtended80{0x8000000000000000, 0x7FFF}), std::nullopt);
  EXPECT_EQ(FormatFloat(TExtended80{0xC000000000000000, 0xFFFF}), std::nullopt);
}

TEST(FloatText, ExtendedParsingRoundsToNearestTiesToEven) {
  // 2^64 + 1 lies halfway between 2^64 and 2^64 + 2, 2^64 + 3 between 2^64 + 2 and 2^64 + 4.
  EXPECT_EQ(ParseExtended("18446744073709551617"), (TExtended80{0x8000000000000000, 0x403F}));
  EXPECT_EQ(ParseExtended("18446744073709551619"), (TExtended80{0x8000000000000002, 0x403F}));
  EXPECT_EQ(ParseExtended("18446744073709551618.000000000000000000001"), (TExtended80{0x8000000000000001, 0x403F}));
  // 2^65 - 1 rounds up to the next power of two: the mantissa carries into the exponent.
  EXPECT_EQ(ParseExtended("36893488147419103231"), (TExtended80{0x8000000000000000, 0x4040}));
  // Around the smallest subnormal: half of it rounds to zero (none), a little more to it.
  EXPECT_EQ(ParseExtended("1.8e-4951"), std::nullopt);
  EXPECT_EQ(ParseExtended("1.9e-4951"), (TExtended80{1, 0}));
  EXPECT_EQ(ParseExtended("-0.000e-99999"), (TExtended80{0, 0x8000}));
  EXPECT_EQ(ParseExtended("1.1897314953572317651e4932"), std::nullopt);
  EXPECT_EQ(ParseExtended("0.00015e3"), ParseExtended("1.5e-1"));
}

TEST(FloatText, SinglesAndDoublesReadBackWhatTheyPrinted) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 20000; ++i) {
    const auto bits = random();
    const double asDouble = std::bit_cast<double>(bits);
    const float asSingle = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    if (std::isfinite(asDouble)) EXPECT_EQ(std::bit_cast<std::uint64_t>(*ParseDouble(*FormatFloat(asDouble))), bits);
    if (std::isfinite(asSingle)) {
      EXPECT_EQ(std::bit_cast<std::uint32_t>(*ParseSingle(*FormatFloat(asSingle))), static_cast<std::uint32_t>(bits));
    }
  }
}

// Where long double is the x87 format, the C library's conversions are an independent judge: the
// text must read back as the same value, and one digit fewer would not.
TEST(FloatText, ExtendedTextIsExactAndShortestAsTheCLibraryJudges) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "long double is not the 80-bit format";
  const auto fromLongDouble = [](long double value) {
    TExtended80 bits;
    std::memcpy(&bits.mantissa, &value, 8);
    std::memcpy(&bits.signAndExponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return bits;
  };
  std::mt19937_64 random(77);
  for (int i = 0; i < 3000; ++i) {
    TExtended80 value{random() | 0x8000000000000000, static_cast<std::uint16_t>(random() % 0xFFFF)};
    if ((value.signAndExponent & 0x7FFF) == 0) value.mantissa >>= 1 + random() % 63;
    if (!value.IsFinite()) continue;
    const std::string text = *FormatFloat(value);
    SCOPED_TRACE(text);
    const long double read = std::strtold(text.c_str(), nullptr);
    ASSERT_EQ(fromLongDouble(read), value);
    ASSERT_EQ(ParseExtended(text), value);

    const std::size_t significant = SignificantDigits(text);
    if (significant > 1) {
      char shorter[64];
      std::snprintf(shorter, sizeof shorter, "%.*Le", static_cast<int>(significant) - 2, read);
      EXPECT_NE(fromLongDouble(std::strtold(shorter, nullptr)), value) << shorter;
    }
  }
}

TEST(FloatText, ExtendedParsingAgreesWithTheCLibraryOnRandomDecimals) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "long double is not the 80-bit format";
  std::mt19937_64 random(5);
  for (int i = 0; i < 3000; ++i) {
    std::string text = std::to_string(random() % 1000000000) + "." + std::to_string(random());
    text += "e" + std::to_string(static_cast<int>(random() % 9900) - 4950);
    SCOPED_TRACE(text);
    const long double expected = std::strtold(text.c_str(), nullptr);
    const auto parsed = ParseExtended(text);
    if (expected == 0 || std::isinf(expected)) {
      EXPECT_EQ(parsed, std::nullopt);
    } else {
      ASSERT_TRUE(parsed);
      EXPECT_EQ(std::memcmp(&parsed->mantissa, &expected, 8), 0);
      EXPECT_EQ(std::memcmp(&parsed->signAndExponent, reinterpret_cast<const char*>(&expected) + 8, 2), 0);
    }
  }
}

}  // namespace
}  // namespace zarnel::stream
