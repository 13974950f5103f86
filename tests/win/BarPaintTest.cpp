// The bar as it reaches the screen, and when it reaches it.
#include <gtest/gtest.h>

#include <vector>

#include "ControlHost.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

constexpr TColor Magenta = 0xFF00FF;  // never drawn by the control

class BarPaint : public HostedControl {
 protected:
  // Every pixel of columns [x0, x1) is `color`.
  static void ExpectColumns(const TPixels& px, int32_t x0, int32_t x1, TColor color) {
    for (int32_t y = 0; y < px.Height; ++y)
      for (int32_t x = x0; x < x1; ++x) ASSERT_EQ(px.At(x, y), color) << "at (" << x << ", " << y << ")";
  }
  // True when a write drew at once: the scribble put on the window just before is gone.
  template <typename Write>
  bool Repaints(Write write) {
    host.Settle();
    Scribble(wnd, Magenta);
    write();
    const TPixels px = CaptureClient(wnd);
    return px.At(0, 0) != Magenta && px.At(px.Width - 1, px.Height - 1) != Magenta;
  }
};

TEST_F(BarPaint, NewControlHoldsItsDefaults) {
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 20);
  EXPECT_TRUE(bar.ShowText());
  EXPECT_EQ(bar.Text(), "");
  EXPECT_EQ(bar.ColorLeft(), 0x800000u);
  EXPECT_EQ(bar.ColorRight(), 0xFFFFFFu);
  EXPECT_EQ(bar.FontColorLeft(), 0xFFFFFFu);
  EXPECT_EQ(bar.FontColorRight(), 0x000000u);
  EXPECT_FALSE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), 0xFFFFFFu);
  EXPECT_FALSE(bar.WrapExceeded());
  EXPECT_EQ(bar.RepaintStep(), 0);
  EXPECT_EQ(bar.RepaintStepOffset(), 0);
  EXPECT_EQ(bar.BorderWidth(), 0);
  EXPECT_EQ(bar.Width(), 133);
  EXPECT_EQ(bar.Height(), 20);
  EXPECT_EQ(bar.ClientWidth(), 133);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_EQ(bar.FilledWidth(), 27);
  EXPECT_EQ(bar.PerCent(), 20);
}

TEST_F(BarPaint, DefaultBarIsNavyUpToColumn26AndWhiteFrom27) {
  const TPixels px = CaptureClient(wnd);
  ASSERT_EQ(px.Width, 133);
  ASSERT_EQ(px.Height, 20);
  // With the caption: only bar or caption colours on each side, and pure bar colours in the top row.
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 133; ++x) {
      const TColor c = px.At(x, y);
      if (x < 27)
        ASSERT_TRUE(c == 0x800000u || c == 0xFFFFFFu) << x << "," << y;
      else
        ASSERT_TRUE(c == 0xFFFFFFu || c == 0x000000u) << x << "," << y;
    }
  bar.SetShowText(false);
  const TPixels plain = CaptureClient(wnd);
  ExpectColumns(plain, 0, 27, 0x800000u);
  ExpectColumns(plain, 27, 133, 0xFFFFFFu);
}

TEST_F(BarPaint, SplitColumnAtAndBeyondTheEdges) {
  bar.SetShowText(false);
  bar.SetPosition(0);
  ASSERT_EQ(bar.FilledWidth(), 0);
  ExpectColumns(CaptureClient(wnd), 0, 133, 0xFFFFFFu);  // all from the right buffer

  bar.SetPosition(100);
  ASSERT_EQ(bar.FilledWidth(), 133);
  ExpectColumns(CaptureClient(wnd), 0, 133, 0x800000u);  // all from the left buffer

  // A step offset can push the split past the client area: the left buffer covers everything and
  // the inverted right rectangle draws nothing.
  bar.SetRepaintStep(10);
  bar.SetRepaintStepOffset(9);
  bar.SetColorRight(0x00FF00);
  bar.SetPosition(99);
  ASSERT_EQ(bar.FilledWidth(), 139);
  ExpectColumns(CaptureClient(wnd), 0, 133, 0x800000u);
}

TEST_F(BarPaint, PositionWritesRepaintOnlyOnVisibleChangeOrAtTheEnds) {
  bar.SetMax(1000);
  struct Step {
    int32_t position;
    bool repaints;
    const char* why;
  };
  const Step steps[] = {
      {200, true, "percentage 2 -> 20"},
      {200, false, "same position inside the range"},
      {201, false, "still 20 % and column 27"},
      {203, false, "still 20 % and column 27"},
      {197, true, "still 20 % but column 26"},
      {206, true, "21 %"},
      {1000, true, "at Max"},
      {1000, true, "at Max again"},
      {5000, true, "clamped to Max"},
      {0, true, "at Min"},
      {0, true, "at Min again"},
      {-7, true, "clamped to Min"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.why);
    EXPECT_EQ(Repaints([&] { bar.SetPosition(s.position); }), s.repaints) << "position " << s.position;
  }
}

TEST_F(BarPaint, PropertySettersDrawAtOnceEvenWithTheSameValue) {
  EXPECT_TRUE(Repaints([&] { bar.SetColorLeft(bar.ColorLeft()); }));
  EXPECT_TRUE(Repaints([&] { bar.SetColorRight(0x00FFFF); }));
  EXPECT_TRUE(Repaints([&] { bar.SetFontColorLeft(bar.FontColorLeft()); }));
  EXPECT_TRUE(Repaints([&] { bar.SetShowText(true); }));
  EXPECT_TRUE(Repaints([&] { bar.SetText(""); }));
  EXPECT_TRUE(Repaints([&] { bar.SetWrapExceeded(true); }));
  EXPECT_TRUE(Repaints([&] { bar.SetMin(0); }));
  EXPECT_TRUE(Repaints([&] { bar.SetMax(100); }));
  EXPECT_TRUE(Repaints([&] { bar.SetRepaintStep(0); }));
  EXPECT_TRUE(Repaints([&] { bar.SetRepaintStepOffset(0); }));
  EXPECT_TRUE(Repaints([&] { bar.SetTransparentColor(false); }));
  EXPECT_TRUE(Repaints([&] { bar.SetTransparentColorValue(0xFFFFFF); }));
  // A system colour is stored as given and resolved only when drawing.
  bar.SetColorLeft(clBtnFace);
  EXPECT_EQ(bar.ColorLeft(), clBtnFace);
  bar.SetShowText(false);
  EXPECT_EQ(CaptureClient(wnd).At(0, 0), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(BarPaint, PerCentHandlerSeesThePreviousPositionBeforeAnyRepaint) {
  struct Seen {
    int32_t position;
    int16_t perCent;
    bool screenStillOld;
  };
  std::vector<Seen> seen;
  bar.OnPerCentChange = [&](TObject* sender, int16_t value) {
    EXPECT_EQ(sender, &bar);
    seen.push_back({bar.Position(), value, CaptureClient(wnd).At(0, 0) == Magenta});
  };
  host.Settle();
  Scribble(wnd, Magenta);
  bar.SetPosition(57);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].position, 20);
  EXPECT_EQ(seen[0].perCent, 57);
  EXPECT_TRUE(seen[0].screenStillOld);
  EXPECT_EQ(bar.Position(), 57);
  EXPECT_EQ(bar.FilledWidth(), 76);

  bar.SetPosition(57);  // unchanged: no event
  bar.SetMax(200);      // percentage 57 -> 29 without an event
  EXPECT_EQ(bar.PerCent(), 28);
  EXPECT_EQ(seen.size(), 1u);
  bar.SetPosition(100);  // 50 %
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].position, 57);
  EXPECT_EQ(seen[1].perCent, 50);
}

TEST_F(BarPaint, AHandlerWritingThePositionHasTheLastWord) {
  bar.OnPerCentChange = [&](TObject*, int16_t value) {
    if (value == 90) bar.SetPosition(10);
  };
  bar.SetPosition(90);
  // The handler's write came later: the position, the view and the pixels all say 10.
  EXPECT_EQ(bar.Position(), 10);
  EXPECT_EQ(bar.PerCent(), 10);
  host.Settle();
  const TPixels px = CaptureClient(wnd);
  ExpectColumns(px, 0, 13, 0x800000u);  // 133 * 0.1 = 13.3
  ExpectColumns(px, 100, 133, 0xFFFFFFu);
}

TEST_F(BarPaint, ResizeRebuildsTheBuffersAtTheNextPaint) {
  bar.SetShowText(false);
  bar.SetWidth(200);
  EXPECT_EQ(bar.FilledWidth(), 40);  // recomputed by the resize, before any paint
  host.Settle();
  const TPixels px = CaptureClient(wnd);
  ASSERT_EQ(px.Width, 200);
  ExpectColumns(px, 0, 40, 0x800000u);
  ExpectColumns(px, 40, 200, 0xFFFFFFu);

  bar.SetHeight(31);
  host.Settle();
  const TPixels tall = CaptureClient(wnd);
  ASSERT_EQ(tall.Height, 31);
  ExpectColumns(tall, 0, 40, 0x800000u);
}

TEST_F(BarPaint, TransparentColourShowsTheHostBackgroundInTheFlatPath) {
  const TColor background = 0x00FF00;
  bar.SetColor(background);
  bar.SetPosition(57);            // the caption straddles the split at column 76
  bar.SetTransparentColor(true);  // key 0xFFFFFF: the right region and the left caption colour match
  const TPixels px = CaptureClient(wnd);
  int leftCaption = 0, rightCaption = 0;
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x) {
      const TColor c = px.At(x, y);
      if (x < 76) {
        ASSERT_TRUE(c == 0x800000u || c == background) << x << "," << y;
        leftCaption += c == background;
      } else {
        ASSERT_TRUE(c == background || c == 0x000000u) << x << "," << y;
        rightCaption += c == 0x000000u;
      }
    }
  EXPECT_GT(leftCaption, 0);
  EXPECT_GT(rightCaption, 0);

  // A key that matches none of the four colours draws as without transparency.
  bar.SetTransparentColorValue(0x123456);
  const TPixels plain = CaptureClient(wnd);
  EXPECT_EQ(plain.At(0, 0), 0x800000u);
  EXPECT_EQ(plain.At(132, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace zarnel::test
