#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Extended80.h"

namespace zarnel::stream {

// Decimal text of the stream's floats. A value is written with the shortest digits that read back
// as the same value: in plain notation, always with a decimal point ("5.0", "-0.0", "0.000015"),
// while its decimal exponent is from -6 to 20, and in scientific notation otherwise ("1.5e-7",
// "1e21"). Infinities and NaNs have no text.
std::optional<std::string> FormatFloat(float value);
std::optional<std::string> FormatFloat(double value);
std::optional<std::string> FormatFloat(const TExtended80& value);

// `text` has the form -?digits(.digits)?([eE][-+]?digits)?. The nearest value, ties to even;
// none when the value overflows or, not being zero, rounds to zero.
std::optional<float> ParseSingle(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);
std::optional<TExtended80> ParseExtended(std::string_view text);

}  // namespace zarnel::stream
