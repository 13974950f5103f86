// Packed DIBs (bitmap resources): BMP files without their file header, so the reader has to work out
// where the pixels start from the header, the colour table and the bit masks alone.
#include <gtest/gtest.h>

#include "BmpFileBuilder.h"
#include "PackedDib.h"

namespace zarnel::imaging::test {
namespace {

constexpr uint32_t C0 = 0x102030;
constexpr uint32_t C1 = 0xA0B0C0;

// The builder writes a whole file with the pixels right after the colour table and any masks;
// a resource holds the same bytes without the first 14.
std::vector<uint8_t> Packed(const TBmpFields& fields) {
  std::vector<uint8_t> file = BuildBmp(fields);
  file.erase(file.begin(), file.begin() + 14);
  return file;
}

const TDecodeCase PackedCases[] = {
    {"Core1BitFullTableOfThreeByteEntries",
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
    {"Info8BitTableAsLongAsColoursUsed",
     {.Width = 2, .BitCount = 8, .ColorsUsed = 2, .Palette = {C0, C1}, .PixelData = {1, 0, 0, 0}},
     2,
     1,
     {C1, C0}},
    {"Info8BitTopDown",
     {.Width = 1,
      .Height = -2,
      .BitCount = 8,
      .ColorsUsed = 2,
      .Palette = {C0, C1},
      .PixelData = {0, 0, 0, 0, 1, 0, 0, 0}},
     1,
     2,
     {C0, C1}},
    {"Info24BitSkipsAnOptimisedPalette",
     {.Width = 1, .BitCount = 24, .ColorsUsed = 2, .Palette = {C0, C1}, .PixelData = {0xFF, 0x00, 0x80, 0}},
     1,
     1,
     {0x8000FF}},
    {"Info16BitMasksAfterTheHeader",
     {.Width = 2,
      .BitCount = 16,
      .Compression = 3,
      .Masks = {0xF800, 0x07E0, 0x001F},
      .PixelData = {0xE0, 0x07, 0x1F, 0x00}},
     2,
     1,
     {0x00FF00, 0x0000FF}},
    {"V4Header32BitMasksInsideTheHeader",
     {.HeaderSize = 108,
      .Width = 1,
      .BitCount = 32,
      .Compression = 3,
      .Masks = {0x0000FF00, 0x00FF0000, 0xFF000000},
      .PixelData = {0x00, 0x11, 0x22, 0x33}},
     1,
     1,
     {0x112233}},
    {"Rle8AfterItsTable",
     {.Width = 3,
      .Height = 1,
      .BitCount = 8,
      .Compression = 1,
      .ColorsUsed = 2,
      .Palette = {C0, C1},
      .PixelData = {2, 1, 1, 0, 0, 1}},
     3,
     1,
     {C1, C1, C0}},
};

class PackedDibDecode : public testing::TestWithParam<TDecodeCase> {};

TEST_P(PackedDibDecode, FindsThePixelsAndTheClaimedSize) {
  const TDecodeCase& c = GetParam();
  const std::vector<uint8_t> dib = Packed(c.Fields);
  const TDibSize size = PackedDibSize(dib);
  EXPECT_EQ(size.Width, c.Fields.Width);
  EXPECT_EQ(size.Height, c.Fields.Height);
  const TDecodedImage image = DecodePackedDib(dib);
  EXPECT_EQ(image.Width, c.Width);
  EXPECT_EQ(image.Height, c.Height);
  EXPECT_EQ(image.Pixels, c.Pixels);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PackedDibDecode, testing::ValuesIn(PackedCases),
                         [](const testing::TestParamInfo<TDecodeCase>& info) { return info.param.Name; });

TEST(PackedDibSize, CoreSidesAreUnsignedAndInfoHeightsSigned) {
  const TDibSize core = PackedDibSize(Packed({.HeaderSize = 12, .Width = 65535, .Height = 40000}));
  EXPECT_EQ(core.Width, 65535);
  EXPECT_EQ(core.Height, 40000);
  const TDibSize info = PackedDibSize(Packed({.Width = 0, .Height = -7}));
  EXPECT_EQ(info.Width, 0);
  EXPECT_EQ(info.Height, -7);
}

struct TRejectCase {
  const char* Name;
  std::vector<uint8_t> Dib;
  const char* Message;  // part of the error message
};

std::vector<uint8_t> Cut(std::vector<uint8_t> dib, size_t size) {
  dib.resize(size);
  return dib;
}

// A valid 24-bit DIB whose first field claims a header of the given size.
std::vector<uint8_t> ClaimingHeaderSize(uint32_t headerSize) {
  std::vector<uint8_t> dib = Packed({.PixelData = {0, 0, 0, 0}});
  for (int i = 0; i < 4; ++i) dib[i] = static_cast<uint8_t>(headerSize >> (8 * i));
  return dib;
}

const TRejectCase RejectCases[] = {
    {"Empty", {}, "truncated"},
    {"CutInTheHeaderSize", {40, 0, 0}, "truncated"},
    {"CoreHeaderCutBeforeTheBitCount", Cut(Packed({.HeaderSize = 12}), 10), "truncated"},
    {"InfoHeaderCutBeforeColoursUsed", Cut(Packed({}), 30), "truncated"},
    {"HeaderSizeOfNoKnownHeader", ClaimingHeaderSize(20), "unknown bitmap header"},
    {"FullTableClaimedButNotThere", Packed({.Width = 2, .BitCount = 8, .Palette = {C0, C1}, .PixelData = {0, 1, 0, 0}}),
     "colour table runs past the data"},
    {"AllColoursUsed", Packed({.BitCount = 24, .ColorsUsed = 0xFFFFFFFF, .PixelData = {0, 0, 0, 0}}),
     "colour table runs past the data"},
    {"HeaderLargerThanTheData", ClaimingHeaderSize(0xFFFFFFF0), "colour table runs past the data"},
};

void PrintTo(const TRejectCase& c, std::ostream* out) { *out << c.Name; }

class PackedDibReject : public testing::TestWithParam<TRejectCase> {};

TEST_P(PackedDibReject, FailsWithTheReason) {
  try {
    DecodePackedDib(GetParam().Dib);
    FAIL() << "decoded";
  } catch (const EImageError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().Message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PackedDibReject, testing::ValuesIn(RejectCases),
                         [](const testing::TestParamInfo<TRejectCase>& info) { return info.param.Name; });

}  // namespace
}  // namespace zarnel::imaging::test
