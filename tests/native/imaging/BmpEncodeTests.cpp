#include <gtest/gtest.h>

#include "BmpDecoder.h"
#include "BmpEncoder.h"

namespace zarnel::imaging::test {
namespace {

TEST(BmpEncode, WritesBottomUp24BitFile) {
  const TDecodedImage image{2, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC}};
  const std::vector<uint8_t> expected{
      'B',  'M',  70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0,         // file header
      40,   0,    0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0, 24, 0,  // size, width, height, planes, bits
      0,    0,    0,    0,    16,   0,    0, 0, 0, 0, 0,  0, 0, 0, 0,  0,  // BI_RGB, image size, resolution
      0,    0,    0,    0,    0,    0,    0, 0,                            // no colour table
      0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0,                            // bottom row first, padded
      0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0};
  EXPECT_EQ(EncodeBmp24(image), expected);
}

TEST(BmpEncode, RoundTripsEveryRowPadding) {
  for (int32_t width = 1; width <= 5; ++width) {
    for (int32_t height = 1; height <= 3; ++height) {
      TDecodedImage image{width, height, {}};
      for (int32_t i = 0; i < width * height; ++i) {
        image.Pixels.push_back((0x010203u * static_cast<uint32_t>(i + 1)) ^ 0x00A05Fu);
      }
      const TDecodedImage decoded = DecodeBmp(EncodeBmp24(image));
      EXPECT_EQ(decoded.Width, width);
      EXPECT_EQ(decoded.Height, height);
      EXPECT_EQ(decoded.Pixels, image.Pixels) << width << " x " << height;
    }
  }
}

TEST(BmpEncode, RejectsInconsistentPicture) {
  EXPECT_THROW(EncodeBmp24(TDecodedImage{}), EImageError);
  try {
    EncodeBmp24(TDecodedImage{2, 2, {1, 2, 3}});
    FAIL() << "encoded";
  } catch (const EImageError& error) {
    EXPECT_STREQ(error.what(), "picture has 3 pixels, not 4");
  }
}

}  // namespace
}  // namespace zarnel::imaging::test
