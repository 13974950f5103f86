#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "BmpEncoder.h"
#include "JpegDecoder.h"
#include "JpegTestFiles.h"

namespace zarnel::imaging::test {
namespace {

constexpr uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, White = 0xFFFFFF;

// 32 x 32: red, green / blue, white quadrants, each two 4:2:0 MCUs wide.
TDecodedImage Quadrants() {
  TDecodedImage picture{32, 32, {}};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      picture.Pixels.push_back(y < 16 ? (x < 16 ? Red : Green) : (x < 16 ? Blue : White));
    }
  }
  return picture;
}

uint32_t At(const TDecodedImage& image, int x, int y) { return image.Pixels[size_t(y) * image.Width + x]; }

// JPEG is lossy: each channel within a tolerance.
void ExpectNear(uint32_t actual, uint32_t expected, const char* where) {
  for (int shift : {16, 8, 0}) {
    const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    EXPECT_LE(std::abs(a - e), 12) << where << std::hex << ": 0x" << actual << " vs 0x" << expected;
  }
}

void ExpectQuadrants(const TDecodedImage& image) {
  ASSERT_EQ(image.Width, 32);
  ASSERT_EQ(image.Height, 32);
  ASSERT_EQ(image.Pixels.size(), 32u * 32u);
  ExpectNear(At(image, 8, 8), Red, "top left");
  ExpectNear(At(image, 24, 8), Green, "top right");
  ExpectNear(At(image, 8, 24), Blue, "bottom left");
  ExpectNear(At(image, 24, 24), White, "bottom right");
  EXPECT_TRUE(std::all_of(image.Pixels.begin(), image.Pixels.end(), [](uint32_t p) { return p <= 0xFFFFFF; }));
}

bool HasMarker(const std::vector<uint8_t>& file, uint8_t marker) {
  const uint8_t pattern[] = {0xFF, marker};
  return std::search(file.begin(), file.end(), std::begin(pattern), std::end(pattern)) != file.end();
}

void ExpectError(const std::vector<uint8_t>& file, const std::string& message) {
  try {
    DecodeJpeg(file);
    FAIL() << "decoded without error";
  } catch (const EImageError& error) {
    EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
  }
}

TEST(JpegDecode, BaselineColour) {
  const std::vector<uint8_t> file = EncodeJpeg(Quadrants(), TJpegKind::Baseline);
  ASSERT_TRUE(HasMarker(file, 0xC0));
  ExpectQuadrants(DecodeJpeg(file));
}

TEST(JpegDecode, ProgressiveColour) {
  const std::vector<uint8_t> file = EncodeJpeg(Quadrants(), TJpegKind::Progressive);
  ASSERT_TRUE(HasMarker(file, 0xC2));
  ExpectQuadrants(DecodeJpeg(file));
}

TEST(JpegDecode, GreyBecomesGreyRgb) {
  TDecodedImage picture{16, 8, {}};
  for (int i = 0; i < 16 * 8; ++i) {
    picture.Pixels.push_back(i % 16 < 8 ? 0x404040 : 0xC8C8C8);
  }
  const TDecodedImage image = DecodeJpeg(EncodeJpeg(picture, TJpegKind::Grey));
  ASSERT_EQ(image.Width, 16);
  ASSERT_EQ(image.Height, 8);
  for (uint32_t p : image.Pixels) {
    ASSERT_EQ(p, (p & 0xFF) * 0x010101u) << std::hex << p;
  }
  ExpectNear(At(image, 3, 4), 0x404040, "left");
  ExpectNear(At(image, 12, 4), 0xC8C8C8, "right");
}

TEST(JpegDecode, ScanLimitIs500) {
  const TDecodedImage picture{8, 8, std::vector<uint32_t>(64, 0x808080)};
  ExpectNear(At(DecodeJpeg(EncodeJpegWithScans(picture, 500)), 4, 4), 0x808080, "500 scans");
  ExpectError(EncodeJpegWithScans(picture, 501), "JPEG: more than 500 scans");
}

TEST(JpegDecode, RejectsCmyk) {
  ExpectError(EncodeJpeg(Quadrants(), TJpegKind::Cmyk), "JPEG: CMYK pictures are not supported");
}

TEST(JpegDecode, RejectsTooLargePictureAfterHeader) {
  std::vector<uint8_t> file = EncodeJpeg(Quadrants(), TJpegKind::Baseline);
  const uint8_t sof[] = {0xFF, 0xC0};
  const auto at = std::search(file.begin(), file.end(), std::begin(sof), std::end(sof));
  ASSERT_NE(at, file.end());
  // Marker, length, precision, then height and width, big-endian: 40000 wide.
  at[7] = 40000 >> 8;
  at[8] = 40000 & 0xFF;
  ExpectError(file, "picture too large: 40000 x 32 pixels");
}

TEST(JpegDecode, TruncatedFilesFail) {
  for (TJpegKind kind : {TJpegKind::Baseline, TJpegKind::Progressive, TJpegKind::Grey}) {
    const std::vector<uint8_t> file = EncodeJpeg(Quadrants(), kind);
    for (size_t size : {file.size() / 2, file.size() - 40}) {
      ExpectError(std::vector<uint8_t>(file.begin(), file.begin() + size), "Premature end of JPEG file");
    }
  }
}

TEST(JpegDecode, GarbageFails) {
  const std::vector<uint8_t> cases[] = {
      {}, {0xFF}, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0}, {0xFF, 0xD8, 0xFF, 0xD9}, EncodeBmp24(Quadrants()),
  };
  for (const auto& file : cases) {
    ExpectError(file, "JPEG: ");
  }
}

TEST(JpegDecode, WarningsAreSilentAndHarmless) {
  const std::vector<uint8_t> clean = EncodeJpeg(Quadrants(), TJpegKind::Baseline);
  std::vector<uint8_t> damaged = clean;
  // Stray bytes before the first marker after SOI: libjpeg warns and skips them.
  damaged.insert(damaged.begin() + 2, {0x12, 0x34, 0x56});
  testing::internal::CaptureStderr();
  const TDecodedImage image = DecodeJpeg(damaged);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(image.Pixels, DecodeJpeg(clean).Pixels);
}

}  // namespace
}  // namespace zarnel::imaging::test
