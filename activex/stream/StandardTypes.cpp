#include "StandardTypes.h"

#include <array>

namespace zarnel::stream {

namespace {

// System colours carry the platform's colour index under the high byte 0xFF.
constexpr std::int32_t SystemColor(std::uint32_t index) { return static_cast<std::int32_t>(0xFF000000u + index); }

constexpr std::array<TIdentEntry, 52> ColorNames{{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"},
    {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"},
    {SystemColor(5), "clWindow"},
    {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"},
    {SystemColor(8), "clWindowText"},
    {SystemColor(9), "clCaptionText"},
    {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"},
    {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"},
    {SystemColor(14), "clHighlightText"},
    {SystemColor(15), "clBtnFace"},
    {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"},
    {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"},
    {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"},
    {SystemColor(24), "clInfoBk"},
    {SystemColor(26), "clHotLight"},
    {SystemColor(27), "clGradientActiveCaption"},
    {SystemColor(28), "clGradientInactiveCaption"},
    {SystemColor(29), "clMenuHighlight"},
    {SystemColor(30), "clMenuBar"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
}};

constexpr std::array<TIdentEntry, 18> CharsetNames{{
    {0, "ANSI_CHARSET"},
    {1, "DEFAULT_CHARSET"},
    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
}};

// crSize is an older name of crSizeAll: it still reads, but crSizeAll is written.
constexpr std::array<TIdentEntry, 22> CursorNames{{
    {0, "crDefault"},   {-2, "crArrow"},    {-3, "crCross"},     {-4, "crIBeam"},    {-6, "crSizeNESW"},
    {-7, "crSizeNS"},   {-8, "crSizeNWSE"}, {-9, "crSizeWE"},    {-10, "crUpArrow"}, {-11, "crHourGlass"},
    {-12, "crDrag"},    {-13, "crNoDrop"},  {-14, "crHSplit"},   {-15, "crVSplit"},  {-16, "crMultiDrag"},
    {-17, "crSQLWait"}, {-18, "crNo"},      {-19, "crAppStart"}, {-20, "crHelp"},    {-21, "crHandPoint"},
    {-22, "crSizeAll"}, {-22, "crSize"},
}};

constexpr TIdentTable ColorIdents{ColorNames};
constexpr TIdentTable CharsetIdents{CharsetNames};
constexpr TIdentTable CursorIdents{CursorNames};

constexpr std::array<std::string_view, 2> BooleanNames{"False", "True"};
constexpr std::array<std::string_view, 2> HelpTypeNames{"htKeyword", "htContext"};
constexpr std::array<std::string_view, 7> AlignNames{"alNone",  "alTop",    "alBottom", "alLeft",
                                                     "alRight", "alClient", "alCustom"};
constexpr std::array<std::string_view, 4> AnchorNames{"akLeft", "akTop", "akRight", "akBottom"};
constexpr std::array<std::string_view, 4> BevelKindNames{"bkNone", "bkTile", "bkSoft", "bkFlat"};
constexpr std::array<std::string_view, 4> BevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::array<std::string_view, 3> FontPitchNames{"fpDefault", "fpVariable", "fpFixed"};
constexpr std::array<std::string_view, 4> FontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

}  // namespace

const TIntegerType Int32Type{};
const TEnumType BooleanType{BooleanNames};
const TIntegerType ColorType{&ColorIdents};
const TIntegerType CharsetType{&CharsetIdents};
const TIntegerType CursorType{&CursorIdents};
const TEnumType HelpTypeType{HelpTypeNames};
const TEnumType AlignType{AlignNames};
const TSetType AnchorsType{AnchorNames};
const TEnumType BevelKindType{BevelKindNames};
const TEnumType BevelCutType{BevelCutNames};
const TEnumType FontPitchType{FontPitchNames};
const TSetType FontStylesType{FontStyleNames};

}  // namespace zarnel::stream
