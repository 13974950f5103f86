#include <gtest/gtest.h>

#include <climits>

#include "BmpDecoder.h"
#include "BmpFileBuilder.h"

namespace zarnel::imaging::test {
namespace {

struct TRejectCase {
  const char* Name;
  std::vector<uint8_t> File;
  const char* Message;  // part of the error message
};

TBmpFields Valid24Bit() { return {.Width = 2, .Height = 2, .PixelData = std::vector<uint8_t>(16, 0x55)}; }

std::vector<uint8_t> Build(void (*change)(TBmpFields&)) {
  TBmpFields fields = Valid24Bit();
  change(fields);
  return BuildBmp(fields);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> file, size_t size) {
  file.resize(size);
  return file;
}

std::vector<uint8_t> WithMasks(uint32_t red, uint32_t green, uint32_t blue) {
  return BuildBmp({.BitCount = 16, .Compression = 3, .Masks = {red, green, blue}, .PixelData = {0, 0, 0, 0}});
}

std::vector<uint8_t> Rle8(std::vector<uint8_t> data) {
  return BuildBmp({.Width = 4,
                   .Height = 2,
                   .BitCount = 8,
                   .Compression = 1,
                   .ColorsUsed = 1,
                   .Palette = {0xFFFFFF},
                   .PixelData = std::move(data)});
}

const TRejectCase RejectCases[] = {
    {"EmptyFile", {}, "not a BMP file"},
    {"WrongSignature", {'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, "not a BMP file"},
    {"CutInFileHeader", Cut(BuildBmp(Valid24Bit()), 12), "truncated in its headers"},
    {"CutInInfoHeader", Cut(BuildBmp(Valid24Bit()), 30), "truncated in its headers"},
    {"UnsupportedHeaderSize", Build([](TBmpFields& f) { f.HeaderSize = 64; }), "unsupported BMP header size 64"},
    {"TwoBitsPerPixel", Build([](TBmpFields& f) { f.BitCount = 2; }), "unsupported BMP bit count 2"},
    {"CoreHeaderWith16Bits", Build([](TBmpFields& f) {
       f.HeaderSize = 12;
       f.BitCount = 16;
     }),
     "unsupported BMP bit count 16"},
    {"JpegCompression", Build([](TBmpFields& f) { f.Compression = 4; }), "unsupported BMP compression 4"},
    {"Rle8With4Bits", Build([](TBmpFields& f) {
       f.BitCount = 4;
       f.Compression = 1;
     }),
     "RLE8 does not fit 4 bits per pixel"},
    {"BitfieldsWith24Bits", Build([](TBmpFields& f) { f.Compression = 3; }), "BITFIELDS does not fit 24 bits"},
    {"ZeroWidth", Build([](TBmpFields& f) { f.Width = 0; }), "invalid picture size 0 x 2"},
    {"ZeroHeight", Build([](TBmpFields& f) { f.Height = 0; }), "invalid picture size 2 x 0"},
    {"NegativeWidth", Build([](TBmpFields& f) { f.Width = -2; }), "invalid picture size -2 x 2"},
    {"MostNegativeHeight", Build([](TBmpFields& f) { f.Height = INT32_MIN; }),
     "picture too large: 2 x 2147483648 pixels"},
    {"WidthOver32767", Build([](TBmpFields& f) { f.Width = 32768; }), "picture too large"},
    {"HeightOver32767TopDown", Build([](TBmpFields& f) { f.Height = -32768; }), "picture too large"},
    {"MoreThan2To25Pixels", Build([](TBmpFields& f) {
       f.Width = 8193;
       f.Height = 4096;
     }),
     "picture too large"},
    {"PixelOffsetInsideHeaders", Build([](TBmpFields& f) { f.PixelOffset = 40; }), "offset 40 lies inside the headers"},
    {"PixelOffsetBeyondFile", Build([](TBmpFields& f) { f.PixelOffset = 1000; }), "offset 1000 lies beyond the end"},
    {"PixelDataShortByOneByte", Cut(BuildBmp(Valid24Bit()), 54 + 15), "pixel data is truncated"},
    {"PixelsAfterLateOffsetMissing", Build([](TBmpFields& f) { f.PixelOffset = 60; }), "pixel data is truncated"},
    {"MasksMissingAfterInfoHeader", Cut(WithMasks(0x7C00, 0x03E0, 0x001F), 54 + 8), "truncated in its headers"},
    {"ZeroRedMask", WithMasks(0, 0x03E0, 0x001F), "red bit field mask is zero"},
    {"ZeroBlueMask", WithMasks(0x7C00, 0x03E0, 0), "blue bit field mask is zero"},
    {"GappedGreenMask", WithMasks(0x7C00, 0x0505, 0x001F), "green bit field mask is not contiguous"},
    {"MaskBeyond16Bits", WithMasks(0x7C00, 0x03E0, 0x10000), "blue bit field mask lies outside the pixel"},
    {"TopDownRle", Build([](TBmpFields& f) {
       f.Height = -2;
       f.BitCount = 8;
       f.Compression = 1;
     }),
     "cannot be top-down"},
    {"RleWithoutEndOfPicture", Rle8({4, 0, 0, 0}), "RLE data is truncated"},
    {"RleLiteralPastEnd", Rle8({0, 4, 0, 0}), "RLE data is truncated"},
    {"RleDeltaPastEnd", Rle8({0, 2, 1}), "RLE data is truncated"},
};

void PrintTo(const TRejectCase& c, std::ostream* os) { *os << c.Name; }

class BmpReject : public testing::TestWithParam<TRejectCase> {};

TEST_P(BmpReject, FailsWithMessage) {
  const TRejectCase& c = GetParam();
  try {
    DecodeBmp(c.File);
    FAIL() << "decoded without error";
  } catch (const EImageError& error) {
    EXPECT_NE(std::string(error.what()).find(c.Message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(BadFiles, BmpReject, testing::ValuesIn(RejectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BmpRle, StopsAtTopRowWithoutEndMarker) {
  // Two end-of-line codes fill both rows; nothing more is read.
  const TDecodedImage image = DecodeBmp(Rle8({2, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(image.Pixels, (std::vector<uint32_t>{0xFFFFFF, 0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0}));
}

}  // namespace
}  // namespace zarnel::imaging::test
