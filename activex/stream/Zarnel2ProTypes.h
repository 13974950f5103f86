#pragma once

#include <cstdint>

#include "EnumSet.h"

namespace zarnel::stream {

// Colour value: red in the low byte; the high byte 0xFF names a system colour by the low byte.
using TColor = std::uint32_t;

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum class TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TEnumSet<TAnchorKind>;

enum class THelpType : std::uint8_t { htKeyword, htContext };

enum class TBevelKind : std::uint8_t { bkNone, bkTile, bkSoft, bkFlat };
enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
// Which cut the shared bevel-cut setter writes.
enum class TBevelCutIndex : std::uint8_t { Inner = 0, Outer = 1 };

enum class TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TEnumSet<TFontStyle>;

enum class TZarnel2ProEvent : std::uint8_t {
  OnClick,
  OnDblClick,
  OnMouseDown,
  OnMouseUp,
  OnMouseMove,
  OnPerCentChange
};

}  // namespace zarnel::stream
