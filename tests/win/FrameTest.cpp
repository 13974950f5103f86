// The bevelled frame and border strip in the non-client area, by client sizes and window pixels.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "FrameworkError.h"
#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

constexpr TColor Background = 0x00C0FF;  // the container's colour, distinct from every edge colour

// Counts the frame recalculations a window is asked for, by subclassing it.
class TNcCalcCounter {
 public:
  explicit TNcCalcCounter(HWND wnd) : FWnd(wnd) {
    ::SetPropA(wnd, "counter", this);
    FOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TNcCalcCounter() {
    ::SetWindowLongPtrA(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOld));
    ::RemovePropA(FWnd, "counter");
  }
  int count = 0;

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<TNcCalcCounter*>(::GetPropA(wnd, "counter"));
    if (msg == WM_NCCALCSIZE) ++self->count;
    return ::CallWindowProcA(self->FOld, wnd, msg, wp, lp);
  }
  HWND FWnd;
  WNDPROC FOld;
};

// What the frame must look like: DrawEdge over the whole window, the rest of the ring in the
// background colour. Drawn on a bitmap of our own, straight from the platform.
TPixels ExpectedFrame(int32_t w, int32_t h, const TFrameSettings& f) {
  TWindowDC screen(nullptr, ::GetDC(nullptr));
  TUniqueMemoryDC mem(::CreateCompatibleDC(screen.get()));
  TUniqueBitmap bmp(::CreateCompatibleBitmap(screen.get(), w, h));
  TSelection sel(mem.get(), bmp.get());
  RECT all{0, 0, w, h};
  TUniqueBrush back(::CreateSolidBrush(Background));
  ::FillRect(mem.get(), &all, back.get());
  if (f.BevelKind != bkNone) {
    RECT edge = all;
    ::DrawEdge(mem.get(), &edge, f.EdgeStyle(), f.EdgeFlags() & ~BF_ADJUST);
  }
  TPixels out;
  out.Width = w;
  out.Height = h;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) out.Data.push_back(::GetPixel(mem.get(), x, y));
  return out;
}

class Frame : public HostedControl {
 protected:
  void SetUp() override { bar.SetColor(Background); }

  // Every pixel of the ring outside the client area matches the platform's own drawing.
  void ExpectRing(const TFrameSettings& f) {
    host.Settle();
    const TPixels actual = CaptureWindow(wnd);
    const TPixels expected = ExpectedFrame(actual.Width, actual.Height, f);
    const int32_t t = f.Thickness();
    for (int32_t y = 0; y < actual.Height; ++y)
      for (int32_t x = 0; x < actual.Width; ++x) {
        const bool ring = x < t || y < t || x >= actual.Width - t || y >= actual.Height - t;
        if (ring) {
          ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "ring pixel " << x << "," << y;
        }
      }
  }
  TFrameSettings Settings() const {
    return TFrameSettings{bar.BevelKind(), bar.BevelInner(), bar.BevelOuter(), bar.BorderWidth(), bar.Ctl3D()};
  }
};

TEST_F(Frame, BorderStripWithoutBevel) {
  bar.SetBorderWidth(4);
  EXPECT_EQ(bar.ClientWidth(), 125);
  EXPECT_EQ(bar.ClientHeight(), 12);
  ExpectRing(Settings());
  const TPixels px = CaptureWindow(wnd);
  EXPECT_EQ(px.At(0, 0), Background);
  EXPECT_EQ(px.At(3, 10), Background);
  EXPECT_EQ(px.At(4, 4), 0x800000u);  // the bar starts right inside the strip
}

TEST_F(Frame, EachBevelKindWithTheDefaultCuts) {
  bar.SetBorderWidth(3);
  for (bool ctl3d : {true, false}) {
    bar.SetCtl3D(ctl3d);
    for (uint8_t kind : {bkTile, bkSoft, bkFlat}) {
      SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " 3-D " << ctl3d);
      bar.SetBevelKind(kind);
      ::RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      EXPECT_EQ(bar.ClientWidth(), 123);
      EXPECT_EQ(bar.ClientHeight(), 10);
      ExpectRing(Settings());
      bar.SetBevelKind(bkNone);
    }
  }
}

TEST_F(Frame, BarAndCaptionFollowTheSmallerClientArea) {
  bar.SetBevelKind(bkSoft);
  bar.SetBorderWidth(3);
  host.Settle();
  EXPECT_EQ(bar.FilledWidth(), 25);  // 123 * 0.2 = 24.6
  const TPixels px = CaptureClient(wnd);
  ASSERT_EQ(px.Width, 123);
  ASSERT_EQ(px.Height, 10);
  for (int32_t y = 0; y < 10; ++y) {
    EXPECT_EQ(px.At(24, y), 0x800000u);
    EXPECT_NE(px.At(25, y), 0x800000u);
  }
}

TEST_F(Frame, BothCutsNoneTakeNoSpace) {
  bar.SetBevelKind(bkTile);
  bar.SetBevelCut(BevelInnerIndex, bvNone);
  bar.SetBevelCut(BevelOuterIndex, bvNone);
  EXPECT_EQ(bar.ClientWidth(), 133);
  bar.SetBorderWidth(2);
  EXPECT_EQ(bar.ClientWidth(), 129);
  ExpectRing(Settings());
}

TEST_F(Frame, SpaceCutTakesItsPixelInTheBackgroundColour) {
  bar.SetCtl3D(true);
  bar.SetBevelKind(bkTile);
  bar.SetBevelCut(BevelOuterIndex, bvSpace);
  EXPECT_EQ(bar.ClientWidth(), 129);
  EXPECT_EQ(bar.ClientHeight(), 16);
  ExpectRing(Settings());
  const TPixels px = CaptureWindow(wnd);
  // DrawEdge puts the lone inner edge on the outermost ring; the pixel ring it leaves is filled.
  EXPECT_NE(px.At(0, 5), Background);
  EXPECT_EQ(px.At(1, 5), Background);
  EXPECT_EQ(px.At(2, 5), 0x800000u);
}

TEST_F(Frame, BackToNoBevelReleasesTheSpaceAndKeepsTheCuts) {
  bar.SetBevelKind(bkFlat);
  EXPECT_EQ(bar.ClientWidth(), 129);
  bar.SetBevelKind(bkNone);
  EXPECT_EQ(bar.ClientWidth(), 133);
  EXPECT_EQ(bar.BevelInner(), bvRaised);
  EXPECT_EQ(bar.BevelOuter(), bvLowered);
  host.Settle();
  EXPECT_EQ(CaptureWindow(wnd).At(0, 0), 0x800000u);  // the bar reaches the window's edge again
}

TEST_F(Frame, UnchangedValuesRecalculateNothing) {
  TNcCalcCounter counter(wnd);
  bar.SetBorderWidth(0);
  bar.SetBevelKind(bkNone);
  bar.SetBevelCut(BevelInnerIndex, bvRaised);
  bar.SetBevelCut(BevelOuterIndex, bvLowered);
  bar.SetBevelCut(7, bvNone);  // no such cut
  EXPECT_EQ(counter.count, 0);
  bar.SetBorderWidth(1);
  EXPECT_GE(counter.count, 1);
}

TEST_F(Frame, OutOfRangeValuesAreRefusedAndChangeNothing) {
  EXPECT_THROW(bar.SetBevelKind(4), EFrameworkError);
  EXPECT_THROW(bar.SetBevelCut(BevelInnerIndex, 255), EFrameworkError);
  EXPECT_THROW(bar.SetBorderWidth(-1), EFrameworkError);
  EXPECT_EQ(bar.BevelKind(), bkNone);
  EXPECT_EQ(bar.BevelInner(), bvRaised);
  EXPECT_EQ(bar.BorderWidth(), 0);
  EXPECT_EQ(bar.ClientWidth(), 133);
}

TEST_F(Frame, SettingsBeforeTheWindowExistsTakeEffectAtCreation) {
  TZarnel2Pro early(nullptr);
  early.SetBevelKind(bkSoft);
  early.SetBorderWidth(3);
  EXPECT_EQ(early.ClientWidth(), 123);
  early.SetTop(60);
  early.SetParentWindow(host.Form().Handle());
  early.Handle();
  RECT rc;
  ::GetClientRect(early.Handle(), &rc);
  EXPECT_EQ(rc.right, 123);
  EXPECT_EQ(rc.bottom, 10);
}

}  // namespace
}  // namespace zarnel::test
