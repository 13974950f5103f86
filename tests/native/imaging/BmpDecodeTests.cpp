#include <gtest/gtest.h>

#include "BmpDecoder.h"
#include "BmpFileBuilder.h"

namespace zarnel::imaging::test {
namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t C0 = 0x102030;
constexpr uint32_t C1 = 0xA0B0C0;
constexpr uint32_t C2 = 0x00FF7F;
constexpr uint32_t C3 = 0xFE0102;

// Expected colours are worked out by hand from the bytes, not taken from the decoder.
const TDecodeCase DecodeCases[] = {
    {"Core1BitBottomUp",
     {.HeaderSize = 12,
      .Width = 9,
      .Height = 2,
      .BitCount = 1,
      .Palette = {C0, C1},
      .PixelData = {0xAA, 0x80, 0, 0, /* top: */ 0x7F, 0x00, 0, 0}},
     9,
     2,
     {C0, C1, C1, C1, C1, C1, C1, C1, C0,  //
      C1, C0, C1, C0, C1, C0, C1, C0, C1}},
    {"Info4BitIndexBeyondTableIsBlack",
     {.Width = 3, .BitCount = 4, .ColorsUsed = 3, .Palette = {C0, C1, C2}, .PixelData = {0x25, 0x00, 0, 0}},
     3,
     1,
     {C2, Black, C0}},
    {"Info8BitTopDown",
     {.Width = 2,
      .Height = -2,
      .BitCount = 8,
      .ColorsUsed = 4,
      .Palette = {C0, C1, C2, C3},
      .PixelData = {0, 1, 0, 0, 2, 3, 0, 0}},
     2,
     2,
     {C0, C1, C2, C3}},
    {"PaletteCutShortByPixelData",
     {.Width = 2, .BitCount = 8, .Palette = {C0, C1}, .PixelData = {1, 3, 0, 0}},
     2,
     1,
     {C1, Black}},
    {"Info16BitDefault555",
     {.Width = 3, .BitCount = 16, .PixelData = {0xFF, 0x7F, 0x00, 0x7C, 0x10, 0x02, 0, 0}},
     3,
     1,
     {0xFFFFFF, 0xFF0000, 0x008484}},
    {"Info16BitBitfields565AfterHeader",
     {.Width = 4,
      .BitCount = 16,
      .Compression = 3,
      .Masks = {0xF800, 0x07E0, 0x001F},
      .PixelData = {0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00, 0x1F, 0x00}},
     4,
     1,
     {0xFF0000, 0x00FF00, 0x000400, 0x0000FF}},
    {"Info24BitPaddedBottomUp",
     {.Width = 3, .Height = 2, .BitCount = 24, .PixelData = {0x33, 0x22, 0x11, 0x66, 0x55, 0x44,
                                                             0x99, 0x88, 0x77, 0,    0,    0,  //
                                                             0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                                                             0xEF, 0xCD, 0xAB, 0,    0,    0}},
     3,
     2,
     {0xFFFFFF, 0x000000, 0xABCDEF, 0x112233, 0x445566, 0x778899}},
    {"Info32BitAlphaIgnored",
     {.Width = 2, .BitCount = 32, .PixelData = {0x33, 0x22, 0x11, 0xFF, 0x66, 0x55, 0x44, 0x80}},
     2,
     1,
     {0x112233, 0x445566}},
    {"V4Bitfields32RedInLowByte",
     {.HeaderSize = 108,
      .BitCount = 32,
      .Compression = 3,
      .Masks = {0x0000FF, 0x00FF00, 0xFF0000},
      .PixelData = {0xAA, 0xBB, 0xCC, 0x00}},
     1,
     1,
     {0xAABBCC}},
    {"V5TwentyFourBitTopDown",
     {.HeaderSize = 124, .Height = -1, .BitCount = 24, .PixelData = {0x01, 0x02, 0x03, 0}},
     1,
     1,
     {0x030201}},
    {"V5Bitfields16Bit444",
     {.HeaderSize = 124,
      .BitCount = 16,
      .Compression = 3,
      .Masks = {0x0F00, 0x00F0, 0x000F},
      .PixelData = {0x80, 0x0F, 0, 0}},
     1,
     1,
     {0xFF8800}},
    {"Rle8RunsAbsoluteDeltaAndClipping",
     {.Width = 4,
      .Height = 3,
      .BitCount = 8,
      .Compression = 1,
      .ColorsUsed = 4,
      .Palette = {C0, C1, C2, C3},
      .PixelData = {5, 1, 0, 0,                // five of index 1, clipped at the edge; end of line
                    0, 3, 2, 3, 1, 0, 0, 0,    // three literal pixels, padded; end of line
                    0, 2, 2, 0, 2, 3, 0, 1}},  // two to the right; two of index 3; end of picture
     4,
     3,
     {Black, Black, C3, C3,  //
      C2, C3, C1, Black,     //
      C1, C1, C1, C1}},
    {"Rle4RunsDeltaAndPaddedAbsolute",
     {.Width = 5,
      .Height = 3,
      .BitCount = 4,
      .Compression = 2,
      .ColorsUsed = 4,
      .Palette = {C0, C1, C2, C3},
      .PixelData = {5, 0x12, 0, 0,              // 1 2 1 2 1; end of line
                    0, 2, 0, 1,                 // one row up
                    0, 5, 0x30, 0x12, 0x30, 0,  // five literal pixels in three bytes, padded
                    0, 1}},
     5,
     3,
     {C3, C0, C1, C2, C3,                 //
      Black, Black, Black, Black, Black,  //
      C1, C2, C1, C2, C1}},
};

class BmpDecode : public testing::TestWithParam<TDecodeCase> {};

TEST_P(BmpDecode, GivesExpectedPixels) {
  const TDecodeCase& c = GetParam();
  const TDecodedImage image = DecodeBmp(BuildBmp(c.Fields));
  EXPECT_EQ(image.Width, c.Width);
  EXPECT_EQ(image.Height, c.Height);
  EXPECT_EQ(image.Pixels, c.Pixels);
}

INSTANTIATE_TEST_SUITE_P(Variants, BmpDecode, testing::ValuesIn(DecodeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zarnel::imaging::test
