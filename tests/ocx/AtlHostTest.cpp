// The control inside Wine's own ActiveX host (atl.dll): sited and activated in place in an "AtlAxWin"
// window, drawn there, kept at the window's size, and let go of cleanly when the window goes.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleidl.h>

#include <cmath>
#include <memory>

#include "AtlContainer.h"
#include "ClientApartment.h"
#include "ClientObject.h"

namespace zarnel::test {
namespace {

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

using Microsoft::WRL::ComPtr;

constexpr TColor Navy = 0x800000;
constexpr TColor White = 0xFFFFFF;
constexpr RECT HostBounds{8, 8, 8 + 240, 8 + 28};

// Every pixel left of the split column navy, every other white: the bar without a caption.
void ExpectSplit(const TPixels& px, int32_t split) {
  ASSERT_GT(px.Width, 0);
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x)
      ASSERT_EQ(px.At(x, y), x < split ? Navy : White) << "at (" << x << ", " << y << "), split " << split;
}

int32_t SplitAt(int32_t width, double fraction) { return static_cast<int32_t>(std::lround(width * fraction)); }

class AtlHost : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AtlHostReady()) << "atl.dll or its AtlAxWinInit/AtlAxAttachControl is missing";
    host = CreateAtlHostWindow(frame->Handle(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, HostBounds);
    ASSERT_NE(host, nullptr) << "cannot create an AtlAxWin window, error " << ::GetLastError();
    ASSERT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
    ASSERT_EQ(object->put_Position(57), S_OK);
  }

  // Whatever a test left, the window goes first (ATL closes the object and leaves its site), then the
  // site and the object must be gone with the test's references, and every window with them.
  void TearDown() override {
    if (::IsWindow(host)) ::DestroyWindow(host);
    const ULONG siteCount = container ? container.Detach()->Release() : 0;
    EXPECT_EQ(siteCount, 0u) << "the object still holds ATL's site";
    EXPECT_EQ(object.Release(), 0u) << "the object outlived the test's last reference";
    EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
    // Wine's IME window for the thread goes with the thread's last top-level window.
    frame.reset();
    EXPECT_EQ(CountThreadWindows(), windowsBefore) << "windows left behind";
  }

  void Attach() {
    ASSERT_EQ(AttachToAtlHost(object.Get(), host, &container), S_OK);
    ASSERT_TRUE(container);
    frame->Settle();
  }
  SIZE HostClientSize() const {
    RECT rc;
    ::GetClientRect(host, &rc);
    return SIZE{rc.right, rc.bottom};
  }

  const int windowsBefore = CountThreadWindows();
  TClientObject object;
  std::unique_ptr<TClientHost> frame = std::make_unique<TClientHost>();
  HWND host = nullptr;
  ComPtr<IUnknown> container;
};

TEST_F(AtlHost, TheControlIsActivatedInPlaceInTheHostWindowAndDrawnThere) {
  Attach();
  const HWND control = object.ControlWindow();
  EXPECT_EQ(::GetParent(control), host);
  EXPECT_TRUE(::IsWindowVisible(control));
  RECT rw;
  ::GetWindowRect(control, &rw);
  const SIZE client = HostClientSize();
  EXPECT_EQ(rw.right - rw.left, client.cx);
  EXPECT_EQ(rw.bottom - rw.top, client.cy);

  ExpectSplit(CaptureClient(host), SplitAt(client.cx, 0.57));
  ASSERT_EQ(object->put_Position(30), S_OK);
  frame->Settle();
  ExpectSplit(CaptureClient(host), SplitAt(client.cx, 0.30));
}

TEST_F(AtlHost, TheControlFollowsTheHostWindowsSize) {
  Attach();
  ASSERT_TRUE(::SetWindowPos(host, nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  frame->Settle();
  const SIZE client = HostClientSize();
  ASSERT_EQ(client.cx, 300);
  RECT rw;
  ::GetWindowRect(object.ControlWindow(), &rw);
  EXPECT_EQ(rw.right - rw.left, 300);
  EXPECT_EQ(rw.bottom - rw.top, 40);
  ExpectSplit(CaptureClient(host), SplitAt(300, 0.57));
}

TEST_F(AtlHost, DestroyingTheHostWindowClosesTheObjectWhichLivesOn) {
  Attach();
  ASSERT_TRUE(::DestroyWindow(host));
  host = nullptr;
  // ATL has closed the object and taken its site away: the test's reference is the site's last.
  EXPECT_EQ(container.Detach()->Release(), 0u);
  // The object and its control survive their container's window.
  EXPECT_TRUE(::IsWindow(object.ControlWindow()));
  ASSERT_EQ(object->put_Position(10), S_OK);
  LONG position = 0;
  EXPECT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 10);
}

}  // namespace
}  // namespace zarnel::test
