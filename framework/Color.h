#pragma once
// The shared 32-bit colour value: red in the low byte, then green, then blue. A value whose high byte
// is 0xFF (or, in the automation form, whose high bit is set) names a system colour by its low byte.
// Stored and compared as given; resolved to RGB only when drawing. No Windows headers here.
#include <cstdint>

namespace zarnel {

using TColor = uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == clSystemColor || (c & 0x80000000u) != 0; }
// A 32-bit DIB stores 0x00RRGGBB; colours keep red in the low byte.
constexpr TColor ColorFromDibPixel(uint32_t px) { return ((px & 0xFF) << 16) | (px & 0xFF00) | ((px >> 16) & 0xFF); }
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFF); }

}  // namespace zarnel
