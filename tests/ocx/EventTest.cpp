// The control's events as a connected container receives them: percentage changes from property
// writes (re-entrant ones too), pointer events from real input, and a sink's own answers, which
// never reach the control.
#include <gtest/gtest.h>
#include <windows.h>
#include <olectl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClientApartment.h"
#include "Input.h"
#include "RecordingClient.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

using TLog = std::vector<std::string>;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

class Events : public ConnectedControl {
 protected:
  // Puts the control on the screen and the pointer over it, away from the points the tests use.
  void ShowControl() {
    object.Show();
    PointerTo(object.ControlWindow(), 100, 15);
    sink->Clear();
  }
  void ClickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    PointerTo(object.ControlWindow(), x, y);
    Press(down);
    Press(up);
  }
};

TEST_F(Events, WithoutASinkNothingIsRaisedAndNothingFails) {
  ShowControl();
  EXPECT_EQ(object->put_Position(35), S_OK);
  ClickAt(20, 10);

  ASSERT_EQ(Connect(sink.Get()), 1u);
  ASSERT_EQ(eventsPoint->Unadvise(1), S_OK);
  ClickAt(20, 10);  // a double click with the first one
  EXPECT_EQ(object->put_Position(45), S_OK);
  LONG position = 0;
  EXPECT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 45);
  EXPECT_TRUE(sink->Events().empty());
}

TEST_F(Events, PositionWritesRaisePerCentChangeWithTheNewPercentage) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  EXPECT_EQ(object->put_Position(50), S_OK);
  EXPECT_EQ(object->put_Position(50), S_OK);  // the same percentage: no event
  EXPECT_EQ(object->put_Max(200), S_OK);
  EXPECT_EQ(object->put_Position(150), S_OK);
  EXPECT_EQ(object->put_Position(0), S_OK);
  EXPECT_EQ(sink->Log(), (TLog{"206 I2:50", "206 I2:75", "206 I2:0"}));

  // Every event is a plain method call with positional arguments.
  ASSERT_FALSE(sink->Events().empty());
  const TRecordedEvent& event = sink->Events().front();
  EXPECT_EQ(event.Interface, IID_NULL);
  EXPECT_EQ(event.Locale, 0u);
  EXPECT_EQ(event.Flags, DISPATCH_METHOD);
  EXPECT_EQ(event.NamedArguments, 0u);
  EXPECT_TRUE(event.HasResult);
  EXPECT_TRUE(event.HasException);
  EXPECT_FALSE(event.HasArgumentError);
}

TEST_F(Events, SinkThatHandlesNoEventStillHearsEveryOne) {
  sink->Answer = DISP_E_MEMBERNOTFOUND;
  ASSERT_EQ(Connect(sink.Get()), 1u);
  EXPECT_EQ(object->put_Position(30), S_OK);
  EXPECT_EQ(object->put_Position(40), S_OK);
  ShowControl();
  ClickAt(20, 10);
  EXPECT_EQ(object->put_Position(90), S_OK);
  EXPECT_EQ(sink->Log(false), (TLog{"203 I4:10 I4:20 I4:0", "201", "204 I4:10 I4:20 I4:0", "206 I2:90"}));
  sink->Clear();
  ASSERT_EQ(object->put_Position(30), S_OK);
  ASSERT_EQ(object->put_Position(40), S_OK);
  EXPECT_EQ(sink->Log(), (TLog{"206 I2:30", "206 I2:40"}));
}

TEST_F(Events, HandlerMayWritePositionReentrantly) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  HRESULT inner = E_FAIL;
  sink->Handler = [&](const TRecordedEvent& event) {
    if (event.Id == 206 && event.Values == std::vector<LONG>{50}) inner = object->put_Position(10);
  };
  EXPECT_EQ(object->put_Position(50), S_OK);
  EXPECT_EQ(inner, S_OK);
  EXPECT_EQ(sink->Log(), (TLog{"206 I2:50", "206 I2:10"}));
  // The handler's write came later and stands.
  LONG position = 0;
  EXPECT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 10);
  sink->Handler = nullptr;
  EXPECT_EQ(object->put_Position(10), S_OK);
  EXPECT_EQ(sink->Log().size(), 2u);  // nothing changed, nothing raised
  EXPECT_EQ(object->put_Position(80), S_OK);
  EXPECT_EQ(sink->Log().back(), "206 I2:80");
}

TEST_F(Events, EventsAreFiredEvenWhenFrozen) {
  Microsoft::WRL::ComPtr<IOleControl> control;
  ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&control)), S_OK);
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ASSERT_EQ(control->FreezeEvents(TRUE), S_OK);
  EXPECT_EQ(object->put_Position(65), S_OK);
  ASSERT_EQ(control->FreezeEvents(FALSE), S_OK);
  EXPECT_EQ(sink->Log(), (TLog{"206 I2:65"}));
}

TEST_F(Events, LeftClickRaisesDownClickUpWithItsPosition) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ShowControl();
  ClickAt(20, 10);
  // rgvarg is last parameter first: Y, X, Button.
  EXPECT_EQ(sink->Log(false), (TLog{"203 I4:10 I4:20 I4:0", "201", "204 I4:10 I4:20 I4:0"}));
}

TEST_F(Events, RightClickRaisesDownAndUpWithButtonOne) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ShowControl();
  ClickAt(30, 6, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_EQ(sink->Log(false), (TLog{"203 I4:6 I4:30 I4:1", "204 I4:6 I4:30 I4:1"}));
}

TEST_F(Events, DoubleClickRaisesDblClickBeforeTheSecondPress) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ShowControl();
  ClickAt(40, 8);
  ClickAt(40, 8);
  EXPECT_EQ(sink->Log(false), (TLog{"203 I4:8 I4:40 I4:0", "201", "204 I4:8 I4:40 I4:0", "202",
                                    "203 I4:8 I4:40 I4:0", "204 I4:8 I4:40 I4:0"}));
}

TEST_F(Events, DragOutOfTheControlReportsOutsideCoordinates) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ShowControl();
  const HWND wnd = object.ControlWindow();
  PointerTo(wnd, 5, 5);
  sink->Clear();
  Press(MOUSEEVENTF_LEFTDOWN);
  PointerTo(wnd, -6, -4);  // left of and above the control, still captured
  Press(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(sink->Log(false), (TLog{"203 I4:5 I4:5 I4:0", "204 I4:-4 I4:-6 I4:0"})) << "no click either";
  const TLog log = sink->Log();
  EXPECT_NE(std::find(log.begin(), log.end(), "205 I4:-4 I4:-6"), log.end()) << "a move outside, Y first";
}

}  // namespace
}  // namespace zarnel::test
