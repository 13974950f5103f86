// Double buffering: a paint drawn off-screen reaches the window in one copy, with the same pixels as
// a paint drawn on the window itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "ControlHost.h"
#include "CustomControl.h"
#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

// Never drawn by either control: where it survives a repaint, nothing was painted.
constexpr TColor Scribbled = 0x3C14DC;
constexpr TColor Strip = 0x00A000, ProbeBackground = 0xE0C080;

TColor WindowPixel(HWND wnd, int x, int y) {
  TWindowDC dc(wnd, ::GetDC(wnd));
  return ::GetPixel(dc.get(), x, y);
}

// A control of the test's own: it paints a strip at its left and leaves the rest to the background
// erase. Each paint notes what its canvas draws on and what the window shows once it is done.
class TProbeControl final : public TCustomControl {
 public:
  static constexpr int32_t StripWidth = 10;
  struct TPaintSeen {
    DWORD DCType = 0;
    SIZE Surface{};  // of the bitmap selected into a memory DC
    TColor WindowAfterPaint = 0;
  };

  explicit TProbeControl(TComponent* owner) : TCustomControl(owner) { SetColor(ProbeBackground); }
  std::string_view ClassName() const override { return "TProbeControl"; }
  std::vector<TPaintSeen> Seen;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Strip);
    Canvas().FillRect(RECT{0, 0, StripWidth, ClientHeight()});
    HDC dc = Canvas().Handle();
    TPaintSeen seen{.DCType = ::GetObjectType(dc)};
    BITMAP bitmap{};
    if (::GetObjectA(::GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap))
      seen.Surface = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    seen.WindowAfterPaint = WindowPixel(Handle(), StripWidth / 2, 2);
    Seen.push_back(seen);
  }
};

class DoubleBuffered : public HostedControl {
 protected:
  // Scribbles over the client area, then has the window repaint the area (all of it by default).
  TPixels Repainted(HWND target, const RECT* area = nullptr) {
    host.Settle();
    Scribble(target, Scribbled);
    ::InvalidateRect(target, area, TRUE);
    ::UpdateWindow(target);
    return CaptureWindow(target);
  }

  // The window after a repaint with the flag off and with it on.
  std::pair<TPixels, TPixels> RepaintedBothWays(const RECT* area = nullptr) {
    bar.SetDoubleBuffered(false);
    TPixels direct = Repainted(wnd, area);
    bar.SetDoubleBuffered(true);
    TPixels buffered = Repainted(wnd, area);
    return {std::move(direct), std::move(buffered)};
  }
};

TEST_F(DoubleBuffered, StoringTheFlagRepaintsAndRecreatesNothing) {
  EXPECT_FALSE(bar.DoubleBuffered());
  host.Settle();
  for (bool value : {true, false}) {
    Scribble(wnd, Scribbled);
    bar.SetDoubleBuffered(value);
    EXPECT_EQ(bar.DoubleBuffered(), value);
    EXPECT_EQ(bar.Handle(), wnd);
    EXPECT_FALSE(::GetUpdateRect(wnd, nullptr, FALSE));
    host.Settle();
    EXPECT_EQ(CaptureClient(wnd).At(0, 0), Scribbled);
  }
}

TEST_F(DoubleBuffered, TheBarLooksTheSameEitherWay) {
  const struct {
    const char* Name;
    std::function<void()> Apply;
  } states[] = {
      {"empty, no caption",
       [&] {
         bar.SetShowText(false);
         bar.SetPosition(0);
       }},
      {"part filled with a caption",
       [&] {
         bar.SetShowText(true);
         bar.SetText("Copying ");
         bar.SetFontColorLeft(0xFFFFFF);
         bar.SetPosition(37);
       }},
      {"full", [&] { bar.SetPosition(100); }},
      {"framed",
       [&] {
         bar.SetBevelKind(bkSoft);
         bar.SetBevelCut(BevelOuterIndex, bvRaised);
         bar.SetBorderWidth(2);
         bar.SetPosition(61);
       }},
  };
  for (const auto& state : states) {
    SCOPED_TRACE(state.Name);
    state.Apply();
    const auto [direct, buffered] = RepaintedBothWays();
    ASSERT_EQ(buffered.Width, direct.Width);
    ASSERT_EQ(buffered.Height, direct.Height);
    EXPECT_EQ(buffered.Data, direct.Data);
    const TPixels client = CaptureClient(wnd);
    EXPECT_EQ(std::count(client.Data.begin(), client.Data.end(), Scribbled), 0);
  }
}

TEST_F(DoubleBuffered, APartialRepaintDrawsOnlyItsArea) {
  bar.SetPosition(45);
  bar.SetDoubleBuffered(true);
  const TPixels whole = Repainted(wnd);
  const RECT area{30, 3, 90, 11};
  const auto [direct, buffered] = RepaintedBothWays(&area);
  EXPECT_EQ(buffered.Data, direct.Data);
  const TPixels client = CaptureClient(wnd);
  for (int32_t y = 0; y < client.Height; ++y)
    for (int32_t x = 0; x < client.Width; ++x) {
      const POINT at{x, y};
      ASSERT_EQ(client.At(x, y), ::PtInRect(&area, at) ? whole.At(x, y) : Scribbled) << x << "," << y;
    }
}

class DoubleBufferedProbe : public DoubleBuffered {
 protected:
  TProbeControl probe{nullptr};
  HWND probeWnd = nullptr;

  void SetUp() override {
    probe.SetBounds(8, 60, 100, 20);
    probe.SetParentWindow(host.Form().Handle());
    probeWnd = probe.Handle();
    host.Settle();
    probe.Seen.clear();
  }
};

TEST_F(DoubleBufferedProbe, WithoutTheFlagTheControlPaintsOnTheWindow) {
  const TPixels px = Repainted(probeWnd);
  ASSERT_EQ(probe.Seen.size(), 1u);
  EXPECT_EQ(probe.Seen[0].DCType, DWORD{OBJ_DC});
  EXPECT_EQ(probe.Seen[0].WindowAfterPaint, Strip);  // there as soon as it is drawn
  EXPECT_EQ(px.At(0, 0), Strip);
  EXPECT_EQ(px.At(99, 19), ProbeBackground);
}

TEST_F(DoubleBufferedProbe, WithTheFlagTheControlPaintsOffScreenAndTheWindowGetsOneCopy) {
  probe.SetDoubleBuffered(true);
  const TPixels px = Repainted(probeWnd);
  ASSERT_EQ(probe.Seen.size(), 1u);
  EXPECT_EQ(probe.Seen[0].DCType, DWORD{OBJ_MEMDC});
  EXPECT_EQ(probe.Seen[0].Surface.cx, 100);
  EXPECT_EQ(probe.Seen[0].Surface.cy, 20);
  EXPECT_EQ(probe.Seen[0].WindowAfterPaint, Scribbled);  // nothing on the window until the copy
  // The strip and the background erased in the buffer, with no scribble left anywhere.
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 100; ++x)
      ASSERT_EQ(px.At(x, y), x < TProbeControl::StripWidth ? Strip : ProbeBackground) << x << "," << y;
}

TEST_F(DoubleBufferedProbe, TheBufferCoversTheUpdateAreaInClientCoordinates) {
  probe.SetDoubleBuffered(true);
  const RECT area{4, 5, 54, 13};
  const TPixels px = Repainted(probeWnd, &area);
  ASSERT_EQ(probe.Seen.size(), 1u);
  EXPECT_EQ(probe.Seen[0].Surface.cx, 50);
  EXPECT_EQ(probe.Seen[0].Surface.cy, 8);
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 100; ++x) {
      const POINT at{x, y};
      const TColor painted = x < TProbeControl::StripWidth ? Strip : ProbeBackground;
      ASSERT_EQ(px.At(x, y), ::PtInRect(&area, at) ? painted : Scribbled) << x << "," << y;
    }
}

}  // namespace
}  // namespace zarnel::test
