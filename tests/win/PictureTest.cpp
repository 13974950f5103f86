// The custom picture: loading files and resources, the picture path of painting, transparency.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "BmpEncoder.h"
#include "ControlHost.h"
#include "FrameworkError.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

using imaging::MakePixel;

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, Key = 0x00FF00, Background = 0x808080;

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  ::GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "zarnel-" + name;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// 200 wide: upper half red, lower half blue, a key-coloured column in each half; with an odd
// height the extra bottom row starts with the key colour.
std::vector<uint8_t> TwoLookBmp(int32_t height) {
  imaging::TDecodedImage img;
  img.Width = 200;
  img.Height = height;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      uint32_t px = y < 20 ? MakePixel(255, 0, 0) : MakePixel(0, 0, 255);
      if (x == 5 || x == 150 || y == 40) px = MakePixel(0, 255, 0);
      img.Pixels.push_back(px);
    }
  return imaging::EncodeBmp24(img);
}

class Picture : public HostedControl {
 protected:
  std::string oddBmp = TempPath("odd.bmp");
  std::string evenBmp = TempPath("even.bmp");

  void SetUp() override {
    bar.SetColor(Background);
    WriteFile(oddBmp, TwoLookBmp(41));
    WriteFile(evenBmp, TwoLookBmp(40));
  }
  TPixels Shown() {
    host.Settle();
    return CaptureClient(wnd);
  }
};

TEST_F(Picture, OddHeightBmpSizesTheControlAndNamesTheKeyColour) {
  bar.SetShowText(false);
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  ASSERT_EQ(bar.FilledWidth(), 40);
  const TPixels px = Shown();
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      const TColor expected = (x == 5 || x == 150) ? Background : (x < 40 ? Red : Blue);
      ASSERT_EQ(px.At(x, y), expected) << x << "," << y;
    }
}

TEST_F(Picture, LowerCaseJpgLoadsWithoutTouchingTransparency) {
  const std::string jpg = TempPath("bar.jpg");
  std::ifstream src(std::string(ZARNEL_TEST_DATA) + "/bar-200x40.jpg", std::ios::binary);
  ASSERT_TRUE(src) << ZARNEL_TEST_DATA;
  WriteFile(jpg, std::vector<uint8_t>(std::istreambuf_iterator<char>(src), {}));
  ASSERT_EQ(bar.LoadFromFile(jpg), 0);
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_FALSE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), 0xFFFFFFu);
  bar.SetShowText(false);
  const TPixels px = Shown();
  auto looksLike = [](TColor c, int r, int g, int b) {
    return std::abs(int(c & 0xFF) - r) < 12 && std::abs(int((c >> 8) & 0xFF) - g) < 12 &&
           std::abs(int(c >> 16) - b) < 12;
  };
  EXPECT_TRUE(looksLike(px.At(10, 10), 255, 128, 0)) << std::hex << px.At(10, 10);      // upper half: orange
  EXPECT_TRUE(looksLike(px.At(150, 10), 192, 192, 192)) << std::hex << px.At(150, 10);  // lower half: grey
}

TEST_F(Picture, ResultCodesForExtensionMissingAndBrokenFiles) {
  const std::string jpeg = TempPath("picture.jpeg");
  WriteFile(jpeg, {1, 2, 3});
  EXPECT_EQ(bar.LoadFromFile(jpeg), 1);
  EXPECT_EQ(bar.LoadFromFile(TempPath("dir.bmp\\noext")), 1);
  EXPECT_EQ(bar.LoadFromFile(TempPath("missing-picture.BMP")), 2);
  EXPECT_FALSE(bar.CustomBitMapActive());

  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  auto bytes = TwoLookBmp(40);
  bytes.resize(bytes.size() / 2);
  const std::string truncated = TempPath("truncated.bmp");
  WriteFile(truncated, bytes);
  EXPECT_EQ(bar.LoadFromFile(truncated), 3);
  EXPECT_FALSE(bar.CustomBitMapActive());
  const std::string garbage = TempPath("garbage.jpg");
  WriteFile(garbage, std::vector<uint8_t>(5000, 0x5A));
  EXPECT_EQ(bar.LoadFromFile(garbage), 3);
  // Flat colours again from the next paint, at the size the last good picture gave.
  bar.SetShowText(false);
  EXPECT_EQ(CaptureClient(wnd).At(0, 0), 0x800000u);
  EXPECT_EQ(CaptureClient(wnd).At(199, 19), 0xFFFFFFu);
}

TEST_F(Picture, EmptyBarShowsTheLowerHalfAndFullBarTheUpperHalf) {
  bar.SetShowText(false);
  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  bar.SetPosition(0);
  TPixels px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), Blue);
  EXPECT_EQ(px.At(199, 19), Blue);
  bar.SetPosition(100);
  px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), Red);
  EXPECT_EQ(px.At(199, 19), Red);
  EXPECT_EQ(px.At(150, 3), Key);  // no transparency: the key column is just a colour
}

TEST_F(Picture, CaptionInTheKeyColourShowsTheBackground) {
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  bar.SetFontColorRight(Key);
  const TPixels px = Shown();
  int background = 0;
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 60; x < 140; ++x) {
      ASSERT_TRUE(px.At(x, y) == Blue || px.At(x, y) == Background) << x << "," << y;
      background += px.At(x, y) == Background;
    }
  EXPECT_GT(background, 10);
}

TEST_F(Picture, ResetKeepsSizeAndKeyColour) {
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  bar.ResetCustomBitMap();
  EXPECT_FALSE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  bar.SetShowText(false);
  bar.SetColorRight(Key);  // the picture's key goes on substituting flat colours
  const TPixels px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), 0x800000u);
  EXPECT_EQ(px.At(199, 0), Background);
}

TEST_F(Picture, BadModulesAndIdentifiersFailCleanly) {
  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  try {
    bar.LoadFromResourceID(0x12340000, 1);
    FAIL() << "no error";
  } catch (const EFrameworkError& e) {
    EXPECT_STREQ(e.what(), "Invalid module handle");
  }
  EXPECT_THROW(bar.LoadFromResourceID(0, 0), EFrameworkError);
  EXPECT_THROW(bar.LoadFromResourceID(0, 70000), EFrameworkError);
  try {
    bar.LoadFromResourceName(0, "NOPE");
    FAIL() << "no error";
  } catch (const EFrameworkError& e) {
    EXPECT_STREQ(e.what(), "Resource NOPE not found");
  }
  EXPECT_TRUE(bar.CustomBitMapActive());  // the previous picture stays
}

}  // namespace
}  // namespace zarnel::test

namespace zarnel::test {
namespace {

TEST_F(Picture, ResourceBitmapsOfAModule) {
  const auto self = reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr));
  bar.SetShowText(false);
  bar.LoadFromResourceID(self, 1);
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  const TPixels px = Shown();
  EXPECT_EQ(px.At(0, 0), Red);
  EXPECT_EQ(px.At(199, 19), Blue);
  try {
    bar.LoadFromResourceName(self, "ZEROWIDTH");
    FAIL() << "no error";
  } catch (const EFrameworkError& e) {
    EXPECT_STREQ(e.what(), "Resource picture size is 0");
  }
  EXPECT_TRUE(bar.CustomBitMapActive());  // the previous picture stays in use
  EXPECT_EQ(Shown().At(0, 0), Red);
}

}  // namespace
}  // namespace zarnel::test
