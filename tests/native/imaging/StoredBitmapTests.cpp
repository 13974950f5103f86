#include <gtest/gtest.h>

#include "BmpFileBuilder.h"
#include "StoredBitmap.h"

namespace zarnel::imaging::test {
namespace {

std::vector<uint8_t> WithLength(const std::vector<uint8_t>& file, uint32_t length) {
  std::vector<uint8_t> data{static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                            static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24)};
  data.insert(data.end(), file.begin(), file.end());
  return data;
}

const std::vector<uint8_t> TwoPixels =
    BuildBmp({.Width = 2, .BitCount = 24, .PixelData = {0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0}});

TEST(StoredBitmap, DecodesTheFileAfterItsLength) {
  const TDecodedImage image = DecodeStoredBitmap(WithLength(TwoPixels, static_cast<uint32_t>(TwoPixels.size())));
  EXPECT_EQ(image.Width, 2);
  EXPECT_EQ(image.Height, 1);
  EXPECT_EQ(image.Pixels, (std::vector<uint32_t>{0x112233, 0x445566}));
}

TEST(StoredBitmap, RejectsALengthThatDisagreesWithTheBytes) {
  const auto size = static_cast<uint32_t>(TwoPixels.size());
  EXPECT_THROW(DecodeStoredBitmap(WithLength(TwoPixels, size + 1)), EImageError);
  EXPECT_THROW(DecodeStoredBitmap(WithLength(TwoPixels, size - 1)), EImageError);
  EXPECT_THROW(DecodeStoredBitmap(WithLength(TwoPixels, 0xFFFFFFFF)), EImageError);
  EXPECT_THROW(DecodeStoredBitmap(std::vector<uint8_t>{0x10, 0, 0}), EImageError);
  EXPECT_THROW(DecodeStoredBitmap(WithLength({'B', 'M', 0, 0}, 4)), EImageError);
}

}  // namespace
}  // namespace zarnel::imaging::test
