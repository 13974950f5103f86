// The glyph and the toolbox bitmap as the form and the server embed them: size, palette depth and
// the figure's colours on the magenta key colour.
#include <gtest/gtest.h>

#include <set>

#include "BmpDecoder.h"
#include "ResourceFiles.h"

namespace zarnel::test {
namespace {

constexpr std::uint32_t Magenta = 0xFF00FF, Black = 0x000000, LightGrey = 0xC0C0C0, Blue = 0x0000FF, White = 0xFFFFFF;

std::uint32_t Header32(const std::vector<std::uint8_t>& bmp, std::size_t offset) {
  return bmp[offset] | bmp[offset + 1] << 8 | bmp[offset + 2] << 16 | static_cast<std::uint32_t>(bmp[offset + 3]) << 24;
}

struct TPicture {
  const char* File;
  int Width;
  int Height;
  std::uint32_t PaletteEntries;  // 0 in the header means all 256
};

class PictureFile : public testing::TestWithParam<TPicture> {};

TEST_P(PictureFile, IsAnEightBitFigureOnTheKeyColour) {
  const TPicture& picture = GetParam();
  const std::vector<std::uint8_t> bmp = ReadResourceFile(picture.File);
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp[28], 8) << "bits per pixel";
  EXPECT_EQ(Header32(bmp, 30), 0u) << "uncompressed";
  EXPECT_EQ(Header32(bmp, 46), picture.PaletteEntries);

  const imaging::TDecodedImage image = imaging::DecodeBmp(bmp);
  ASSERT_EQ(image.Width, picture.Width);
  ASSERT_EQ(image.Height, picture.Height);
  const auto at = [&](int x, int y) { return image.Pixels[static_cast<std::size_t>(y) * image.Width + x]; };
  // The key colour is the bottom-left pixel, and the figure keeps off the edges.
  EXPECT_EQ(at(0, image.Height - 1), Magenta);
  for (int x = 0; x < image.Width; ++x) {
    EXPECT_EQ(at(x, 0), Magenta);
    EXPECT_EQ(at(x, image.Height - 1), Magenta);
  }
  const std::set<std::uint32_t> colours(image.Pixels.begin(), image.Pixels.end());
  EXPECT_EQ(colours, (std::set<std::uint32_t>{Magenta, Black, LightGrey, Blue, White}));

  // The bar: a black top-left edge and a light grey bottom-right edge around blue, found along the
  // middle row and the middle column.
  const int midY = image.Height / 2 - 2, midX = image.Width / 2;
  int left = 0;
  while (at(left, midY) == Magenta) ++left;
  EXPECT_EQ(at(left, midY), Black);
  EXPECT_EQ(at(left + 1, midY), Blue);
  int right = image.Width - 1;
  while (at(right, midY) == Magenta) --right;
  EXPECT_EQ(at(right, midY), LightGrey);
  int top = 0;
  while (at(midX, top) == Magenta) ++top;
  EXPECT_EQ(at(midX, top), Black);
  EXPECT_EQ(at(midX - 4, top + 1), Blue);
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureFile,
                         testing::Values(TPicture{"ZarnelXGlyph.bmp", 24, 24, 5},
                                         TPicture{"ZarnelXToolbox.bmp", 16, 15, 256}),
                         [](const auto& info) { return std::string(info.param.Width == 24 ? "Glyph" : "Toolbox"); });

}  // namespace
}  // namespace zarnel::test
