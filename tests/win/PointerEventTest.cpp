// Pointer events as a container sees them, driven by real input through the window system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "Input.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

using TLog = std::vector<std::string>;

class PointerEvents : public HostedControl {
 protected:
  TLog log;
  bool logMoves = false;

  void SetUp() override {
    static const char* const buttons[] = {"L", "R", "M"};
    bar.OnClick = [this](TObject* s) { Add(s, "click"); };
    bar.OnDblClick = [this](TObject* s) { Add(s, "dblclick"); };
    bar.OnMouseDown = [this](TObject* s, TMouseButton b, int32_t x, int32_t y) {
      Add(s, "down " + std::string(buttons[b]) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    bar.OnMouseUp = [this](TObject* s, TMouseButton b, int32_t x, int32_t y) {
      Add(s, "up " + std::string(buttons[b]) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    bar.OnMouseMove = [this](TObject* s, int32_t x, int32_t y) {
      if (logMoves) Add(s, "move " + std::to_string(x) + "," + std::to_string(y));
    };
    PointerTo(wnd, 60, 10);
    log.clear();
  }
  void Add(TObject* sender, std::string entry) {
    EXPECT_EQ(sender, &bar);
    log.push_back(std::move(entry));
  }
  void ClickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    PointerTo(wnd, x, y);
    Press(down);
    Press(up);
  }
};

TEST_F(PointerEvents, LeftClickGivesDownClickUp) {
  ClickAt(20, 5);
  EXPECT_EQ(log, (TLog{"down L 20,5", "click", "up L 20,5"}));
}

TEST_F(PointerEvents, DragOutOfTheControlReportsOutsideCoordinatesAndNoClick) {
  PointerTo(wnd, 5, 5);
  Press(MOUSEEVENTF_LEFTDOWN);
  logMoves = true;
  PointerTo(wnd, -6, -4);  // left of and above the control, still captured
  logMoves = false;
  Press(MOUSEEVENTF_LEFTUP);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "down L 5,5");
  EXPECT_EQ(log.back(), "up L -6,-4");
  EXPECT_NE(std::find(log.begin(), log.end(), "move -6,-4"), log.end());
  EXPECT_EQ(std::find(log.begin(), log.end(), "click"), log.end());
}

TEST_F(PointerEvents, RightAndMiddleButtonsNeverClick) {
  ClickAt(30, 6, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ClickAt(30, 6, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);  // within the double-click time
  ClickAt(31, 7, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ(log, (TLog{"down R 30,6", "up R 30,6", "down R 30,6", "up R 30,6", "down M 31,7", "up M 31,7"}));
}

TEST_F(PointerEvents, LeftDoubleClickSequence) {
  ClickAt(40, 8);
  ClickAt(40, 8);
  EXPECT_EQ(log, (TLog{"down L 40,8", "click", "up L 40,8", "dblclick", "down L 40,8", "up L 40,8"}));
  WaitOutDoubleClick();
  log.clear();
  ClickAt(40, 8);  // after the double-click time: an ordinary click again
  EXPECT_EQ(log, (TLog{"down L 40,8", "click", "up L 40,8"}));
}

TEST_F(PointerEvents, ClientTopLeftIsTheOriginWhateverTheFrame) {
  bar.SetBorderWidth(4);
  bar.SetBevelKind(bkSoft);
  host.Settle();
  ClickAt(0, 0);
  EXPECT_EQ(log, (TLog{"down L 0,0", "click", "up L 0,0"}));
}

TEST_F(PointerEvents, DisabledControlReportsNothing) {
  bar.SetEnabled(false);
  ClickAt(20, 5);
  ClickAt(22, 6, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(log.empty());
  bar.SetEnabled(true);
  WaitOutDoubleClick();
  ClickAt(20, 5);
  EXPECT_EQ(log, (TLog{"down L 20,5", "click", "up L 20,5"}));
}

TEST_F(PointerEvents, WithoutHandlersInputChangesNothing) {
  bar.OnClick = nullptr;
  bar.OnDblClick = nullptr;
  bar.OnMouseDown = nullptr;
  bar.OnMouseUp = nullptr;
  bar.OnMouseMove = nullptr;
  host.Settle();
  Scribble(wnd, 0xFF00FF);
  ClickAt(20, 5);
  ClickAt(20, 5);
  EXPECT_EQ(bar.Position(), 20);
  EXPECT_EQ(CaptureClient(wnd).At(0, 0), 0xFF00FFu);  // nothing was redrawn
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace zarnel::test
