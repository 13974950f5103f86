// When a position write raises the percentage event and when the control repaints.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "ModelTestSupport.h"

namespace {

using zarnel::TPositionModel;
using zarnel::test::kDefaultClientWidth;
using zarnel::test::MakeModel;
using zarnel::test::RecordingListener;

struct WriteStep {
  int32_t position;
  bool repaint;
  std::vector<int16_t> eventsSoFar;
};

TEST(PositionModelEvents, RepaintOnVisibleChangesAndAlwaysAtTheEnds) {
  const WriteStep steps[] = {
      {20, false, {}},                                // percentage 20 and column 27 as before
      {100, true, {100}},       {100, true, {100}},   // unchanged, but at Max
      {0, true, {100, 0}},      {0, true, {100, 0}},  // unchanged, but at Min
      {57, true, {100, 0, 57}},
  };
  TPositionModel model;
  RecordingListener listener;
  for (const WriteStep& step : steps) {
    EXPECT_EQ(model.SetPosition(step.position, kDefaultClientWidth, &listener), step.repaint)
        << "position " << step.position;
    EXPECT_EQ(listener.perCents, step.eventsSoFar) << "position " << step.position;
    EXPECT_EQ(model.Position, step.position);
  }
  EXPECT_EQ(model.FFilledWidth, 76);  // 75.81
}

TEST(PositionModelEvents, ColumnChangeRepaintsWithoutEvent) {
  TPositionModel model = MakeModel(0, 1000, 1000);
  RecordingListener listener;
  EXPECT_TRUE(model.SetPosition(21, 1000, &listener));
  EXPECT_EQ(model.FFilledWidth, 21);
  EXPECT_FALSE(model.SetPosition(21, 1000, &listener));
  EXPECT_TRUE(listener.perCents.empty());
}

TEST(PositionModelEvents, RangeWriteChangesPercentageSilently) {
  TPositionModel model;
  RecordingListener listener;
  model.SetPosition(50, kDefaultClientWidth, &listener);
  model.SetMax(200, kDefaultClientWidth);
  EXPECT_EQ(model.FPerCent, 25);
  EXPECT_EQ(model.FFilledWidth, 33);
  EXPECT_FALSE(model.SetPosition(50, kDefaultClientWidth, &listener));
  EXPECT_EQ(listener.perCents, std::vector<int16_t>{50});
}

TEST(PositionModelEvents, ListenerSeesOldPositionAndNewView) {
  TPositionModel model;
  RecordingListener listener;
  int32_t positionSeen = 0;
  int perCentSeen = 0;
  int columnSeen = 0;
  listener.action = [&](int16_t) {
    positionSeen = model.Position;
    perCentSeen = model.FPerCent;
    columnSeen = model.FFilledWidth;
  };
  EXPECT_TRUE(model.SetPosition(57, kDefaultClientWidth, &listener));
  EXPECT_EQ(listener.perCents, std::vector<int16_t>{57});
  EXPECT_EQ(positionSeen, 20);
  EXPECT_EQ(perCentSeen, 57);
  EXPECT_EQ(columnSeen, 76);
  EXPECT_EQ(model.Position, 57);
}

TEST(PositionModelEvents, AReentrantWriteFromTheHandlerStands) {
  TPositionModel model;
  RecordingListener listener;
  bool innerRepaint = false;
  listener.action = [&](int16_t perCent) {
    if (perCent == 50) {
      innerRepaint = model.SetPosition(70, kDefaultClientWidth, &listener);
    }
  };
  // The handler's write is the later one: position and view are both its own, and it repainted.
  EXPECT_FALSE(model.SetPosition(50, kDefaultClientWidth, &listener));
  EXPECT_TRUE(innerRepaint);
  EXPECT_EQ(listener.perCents, (std::vector<int16_t>{50, 70}));
  EXPECT_EQ(model.Position, 70);
  EXPECT_EQ(model.FPerCent, 70);
  EXPECT_EQ(model.FFilledWidth, 93);
  // A later write of the handler's value changes nothing visible and raises nothing.
  EXPECT_FALSE(model.SetPosition(70, kDefaultClientWidth, &listener));
  EXPECT_EQ(listener.perCents.size(), 2u);
}

TEST(PositionModelEvents, ThrowingListenerLeavesPositionButUpdatesTheView) {
  TPositionModel model;
  RecordingListener listener;
  listener.action = [](int16_t) { throw std::runtime_error("handler failed"); };
  try {
    model.SetPosition(60, kDefaultClientWidth, &listener);
    ADD_FAILURE() << "the listener's error was swallowed";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "handler failed");
  }
  EXPECT_EQ(model.Position, 20);
  EXPECT_EQ(model.FPerCent, 60);
  EXPECT_EQ(model.FFraction, std::nextafter(0.6f, 0.0f));  // 60 * single(0.01) rounds down
  EXPECT_EQ(model.FFilledWidth, 80);
}

}  // namespace

namespace {

// A handler that narrows the range while the outer write is in flight must not leave the position
// outside the new range.
TEST(PositionModelEvents, HandlerNarrowingTheRangeKeepsThePositionInside) {
  TPositionModel model;
  RecordingListener listener;
  listener.action = [&](int16_t) { model.SetMax(50, kDefaultClientWidth); };
  EXPECT_TRUE(model.SetPosition(90, kDefaultClientWidth, &listener));
  EXPECT_EQ(model.Max, 50);
  EXPECT_EQ(model.Position, 50);
}

}  // namespace
