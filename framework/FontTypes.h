#pragma once
// What describes a font apart from its GDI object: the style set, the pitch and the defaults of a new
// font. No Windows headers, so the component stream's tests and models use the same types.
#include <cstdint>

namespace zarnel {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;  // a set of TFontStyle bits
enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

inline constexpr const char* DefaultFontName = "MS Sans Serif";
inline constexpr int32_t DefaultFontHeight = -11;
inline constexpr uint8_t DefaultFontCharset = 1;  // the platform's DEFAULT_CHARSET

}  // namespace zarnel
