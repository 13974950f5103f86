#include "FloatText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zarnel::stream {

namespace {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

constexpr std::int64_t SmallestPlainExponent = -6;
constexpr std::int64_t LargestPlainExponent = 20;
// Exponents in the text are taken up to this size; any larger one is far out of every float's range.
constexpr std::int64_t ExponentCeiling = 1'000'000'000;

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Reads text of the documented form; also the scientific notation of std::to_chars.
TDecimal DecimalFromText(std::string_view text) {
  TDecimal decimal;
  std::size_t i = 0;
  decimal.negative = text[i] == '-';
  if (decimal.negative) ++i;
  std::int64_t integerDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++integerDigits) decimal.digits.push_back(text[i]);
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) decimal.digits.push_back(text[i]);
  }
  std::int64_t written = 0;
  if (i < text.size()) {  // the exponent
    const bool negativeExponent = text[++i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    for (; i < text.size(); ++i) written = std::min(written * 10 + (text[i] - '0'), ExponentCeiling);
    if (negativeExponent) written = -written;
  }
  const std::size_t leadingZeros = std::min(decimal.digits.find_first_not_of('0'), decimal.digits.size());
  decimal.digits.erase(0, leadingZeros);
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  decimal.exponent = written + integerDigits - 1 - static_cast<std::int64_t>(leadingZeros);
  return decimal;
}

std::string FormatDecimal(const TDecimal& decimal) {
  std::string text = decimal.negative ? "-" : "";
  const std::string& digits = decimal.digits;
  if (digits.empty()) return text + "0.0";
  const std::int64_t exponent = decimal.exponent;
  if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
    text += digits.front();
    if (digits.size() > 1) text += "." + digits.substr(1);
    return text + "e" + std::to_string(exponent);
  }
  const auto count = static_cast<std::int64_t>(digits.size());
  if (exponent < 0) return text + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  if (exponent >= count - 1)
    return text + digits + std::string(static_cast<std::size_t>(exponent - count + 1), '0') + ".0";
  const auto point = static_cast<std::size_t>(exponent + 1);
  return text + digits.substr(0, point) + "." + digits.substr(point);
}

template <typename TFloat>
std::optional<std::string> FormatBinaryFloat(TFloat value) {
  if (!std::isfinite(value)) return std::nullopt;
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
  return FormatDecimal(DecimalFromText(std::string_view(buffer.data(), result.ptr)));
}

template <typename TFloat>
std::optional<TFloat> ParseBinaryFloat(std::string_view text) {
  TFloat value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> FormatFloat(float value) { return FormatBinaryFloat(value); }

std::optional<std::string> FormatFloat(double value) { return FormatBinaryFloat(value); }

std::optional<std::string> FormatFloat(const TExtended80& value) {
  if (!value.IsFinite()) return std::nullopt;
  return FormatDecimal(ShortestDecimal(value));
}

std::optional<float> ParseSingle(std::string_view text) { return ParseBinaryFloat<float>(text); }

std::optional<double> ParseDouble(std::string_view text) { return ParseBinaryFloat<double>(text); }

std::optional<TExtended80> ParseExtended(std::string_view text) { return ExtendedFromDecimal(DecimalFromText(text)); }

}  // namespace zarnel::stream
