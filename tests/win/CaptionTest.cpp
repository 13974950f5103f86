// The centred two-colour caption, judged by the pixels on screen.
#include <gtest/gtest.h>

#include <string>

#include "ControlHost.h"
#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

constexpr TColor Navy = 0x800000, White = 0xFFFFFF, Black = 0x000000;

// Text width as GDI itself measures it in the framework's default font.
int32_t MeasureInDefaultFont(const std::string& text) {
  TUniqueFont font(::CreateFontA(TFont::DefaultHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 TFont::DefaultName));
  TWindowDC dc(nullptr, ::GetDC(nullptr));
  TSelection sel(dc.get(), font.get());
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

struct TInk {
  int32_t left = INT32_MAX, right = -1, top = INT32_MAX, bottom = -1, count = 0;
  void Add(int32_t x, int32_t y) {
    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    ++count;
  }
};

// Pixels that are not the background of their side of the split.
TInk CaptionInk(const TPixels& px, int32_t split, TColor leftBack = Navy, TColor rightBack = White) {
  TInk ink;
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x)
      if (px.At(x, y) != (x < split ? leftBack : rightBack)) ink.Add(x, y);
  return ink;
}

class Caption : public HostedControl {};

TEST_F(Caption, DefaultCaptionIsCentredBlackOnWhiteRightOfTheSplit) {
  const int32_t w = MeasureInDefaultFont("20 %");
  EXPECT_EQ(bar.CaptionWidth(), w);
  const TPixels px = CaptureClient(wnd);
  const TInk ink = CaptionInk(px, 27);
  ASSERT_GT(ink.count, 0);
  const int32_t x = (133 - w) / 2;
  EXPECT_GE(ink.left, x);
  EXPECT_LT(ink.right, x + w);
  EXPECT_LE(ink.left - x, 2);       // glyphs start right at the cell
  for (int32_t y = 0; y < 20; ++y)  // every ink pixel is black and right of the split
    for (int32_t c = 0; c < 27; ++c) ASSERT_EQ(px.At(c, y), Navy);
  EXPECT_GT(ink.top, 0);
  EXPECT_LT(ink.bottom, 19);
}

TEST_F(Caption, ColoursSwitchAtTheSplitColumnEvenInsideAGlyph) {
  bar.SetMax(133);  // position n puts the split at column n
  bool straddled = false;
  for (int32_t split = 50; split < 85 && !straddled; ++split) {
    bar.SetPosition(split);
    ASSERT_EQ(bar.FilledWidth(), split);
    const TPixels px = CaptureClient(wnd);
    for (int32_t y = 0; y < px.Height; ++y) {
      for (int32_t x = 0; x < px.Width; ++x) {
        const TColor c = px.At(x, y);
        ASSERT_TRUE(x < split ? (c == Navy || c == White) : (c == White || c == Black)) << x << "," << y;
      }
      // One stroke running across the split: white ink just left of it, black ink just right of it.
      if (px.At(split - 1, y) == White && px.At(split, y) == Black) straddled = true;
    }
  }
  EXPECT_TRUE(straddled) << "no glyph stroke crossed the split";
}

TEST_F(Caption, TextIsAPrefixWithoutSeparator) {
  bar.SetShowText(false);
  bar.SetText("Copying ");
  bar.SetPosition(100);
  EXPECT_EQ(bar.GetPerCentText(), "100 %");
  EXPECT_EQ(bar.CaptionWidth(), MeasureInDefaultFont("Copying 100 %"));
  bar.SetShowText(true);
  const TInk ink = CaptionInk(CaptureClient(wnd), 133, Navy, White);
  const int32_t w = MeasureInDefaultFont("Copying 100 %");
  EXPECT_GE(ink.left, (133 - w) / 2);
  EXPECT_LT(ink.right, (133 - w) / 2 + w);
  EXPECT_GT(ink.right - ink.left, w - 8);
}

TEST_F(Caption, CaptionWiderThanTheClientAreaStartsAtTheLeftEdge) {
  bar.SetText("A caption far wider than the bar itself, cut at the right edge: ");
  ASSERT_GT(bar.CaptionWidth(), 133);
  const TInk ink = CaptionInk(CaptureClient(wnd), 27);
  EXPECT_LE(ink.left, 1);
  EXPECT_GE(ink.right, 125);  // ink up to the edge, whatever glyph gap falls there
}

TEST_F(Caption, HiddenCaptionDrawsNothingButStillMeasures) {
  bar.SetShowText(false);
  EXPECT_EQ(CaptionInk(CaptureClient(wnd), 27).count, 0);
  EXPECT_EQ(bar.CaptionWidth(), MeasureInDefaultFont("20 %"));
}

TEST_F(Caption, LeftCaptionColourEqualToTheBarHidesThatPart) {
  bar.SetPosition(100);
  bar.SetFontColorLeft(Navy);
  EXPECT_EQ(CaptionInk(CaptureClient(wnd), 133).count, 0);
  bar.SetPosition(0);  // over the empty part the caption shows in its right colour
  EXPECT_GT(CaptionInk(CaptureClient(wnd), 0).count, 0);
}

TEST_F(Caption, NewFontShowsAtTheNextPaintRequestNotBefore) {
  const TPixels before = CaptureClient(wnd);
  const int32_t widthBefore = bar.CaptionWidth();
  bar.Font().SetStyle(fsBold);
  bar.Font().SetHeight(-16);
  EXPECT_EQ(CaptureClient(wnd).Data, before.Data);  // nothing drawn yet
  EXPECT_EQ(bar.CaptionWidth(), widthBefore);       // the buffers still hold the old font
  host.Settle();
  const TInk ink = CaptionInk(CaptureClient(wnd), 27);
  EXPECT_GT(ink.bottom - ink.top, CaptionInk(before, 27).bottom - CaptionInk(before, 27).top);
  EXPECT_GT(bar.CaptionWidth(), widthBefore);
}

}  // namespace
}  // namespace zarnel::test
