#include <gtest/gtest.h>

#include <cstdint>

#include "ModelTestSupport.h"

namespace {

using zarnel::TPositionModel;
using zarnel::test::kDefaultClientWidth;
using zarnel::test::MakeModel;

TEST(PositionModel, StartsAsANewControl) {
  TPositionModel model;
  EXPECT_EQ(model.Min, 0);
  EXPECT_EQ(model.Max, 100);
  EXPECT_EQ(model.Position, 20);
  EXPECT_EQ(model.FRange, 100u);
  EXPECT_EQ(model.FRangeReciprocal, 0.01f);
  EXPECT_EQ(model.FFraction, 0.2f);
  EXPECT_EQ(model.FPerCent, 20);
  EXPECT_EQ(model.FFilledWidth, 27);
  EXPECT_TRUE(model.FStepTable.empty());
  EXPECT_EQ(model.RepaintStep, 0);
  EXPECT_EQ(model.RepaintStepOffset, 0);
  EXPECT_FALSE(model.WrapExceeded);

  model.InitFilledWidth(127);  // 25.4
  EXPECT_EQ(model.FFilledWidth, 25);
}

struct RoundingCase {
  int32_t min, max, position, perCent;
};

// With client width 100 the split column equals the percentage.
TEST(PositionModel, PercentageAndColumnRoundOnceTiesToEven) {
  const RoundingCase cases[] = {
      {0, 8, 1, 12},   {0, 8, 3, 38}, {0, 8, 5, 62},    {0, 8, 7, 88},  // x.5 ties
      {0, 200, 1, 0},                                                   // single(1/200) lies just below 0.005
      {0, 1000, 5, 1},                                                  // 5 * single(1/1000) lies just above 0.005
      {0, 3, 1, 33},   {0, 3, 2, 67}, {-50, 50, 0, 50},
  };
  for (const RoundingCase& c : cases) {
    TPositionModel model = MakeModel(c.min, c.max, 100);
    model.SetPosition(c.position, 100, nullptr);
    EXPECT_EQ(model.PerCentOf(c.position), c.perCent) << c.max << " " << c.position;
    EXPECT_EQ(model.FilledWidthOf(c.position, 100), c.perCent) << c.max << " " << c.position;
    EXPECT_EQ(model.FPerCent, c.perCent) << c.max << " " << c.position;
    EXPECT_EQ(model.FFilledWidth, c.perCent) << c.max << " " << c.position;
  }
}

struct PlacementCase {
  int32_t min, max;
  bool wrap;
  int32_t written, stored;
};

TEST(PositionModel, PositionsOutsideTheRangeAreClampedOrWrapped) {
  const PlacementCase cases[] = {
      {0, 100, false, 250, 100},
      {0, 100, false, -5, 0},
      {0, 100, true, 250, 50},
      {0, 100, true, 200, 0},
      {0, 100, true, 101, 1},
      {0, 100, true, 100, 100},
      {0, 100, true, -5, 0},
      {0, 100, true, INT32_MAX, 47},
      // A remainder below Min, or a Max that cannot divide, restarts at Min.
      {10, 100, true, 205, 10},
      {10, 100, true, 250, 50},
      {-100, -10, true, 5, -100},
      {-10, 0, true, 7, -10},
      {-10, 5, true, 7, 2},
  };
  for (const PlacementCase& c : cases) {
    TPositionModel model = MakeModel(c.min, c.max);
    model.WrapExceeded = c.wrap;
    model.SetPosition(c.written, kDefaultClientWidth, nullptr);
    EXPECT_EQ(model.Position, c.stored) << c.min << ".." << c.max << " <- " << c.written;
  }
}

TEST(PositionModel, AddPositionWrapsItsSumAndThenPlacesIt) {
  TPositionModel model = MakeModel(0, INT32_MAX);
  model.SetPosition(INT32_MAX, kDefaultClientWidth, nullptr);
  model.AddPosition(1, kDefaultClientWidth, nullptr);  // sum wraps below Min
  EXPECT_EQ(model.Position, 0);

  TPositionModel wrapping;
  wrapping.WrapExceeded = true;
  wrapping.AddPosition(70, kDefaultClientWidth, nullptr);
  EXPECT_EQ(wrapping.Position, 90);
  wrapping.AddPosition(30, kDefaultClientWidth, nullptr);
  EXPECT_EQ(wrapping.Position, 20);
}

TEST(PositionModel, RangeWritesNeverLeaveAnEmptyRange) {
  TPositionModel model;
  model.SetMax(0, kDefaultClientWidth);
  EXPECT_EQ(model.Max, 1);
  EXPECT_EQ(model.Position, 1);
  EXPECT_EQ(model.FRange, 1u);
  EXPECT_EQ(model.FPerCent, 100);

  TPositionModel raised;
  raised.SetMin(150, kDefaultClientWidth);
  EXPECT_EQ(raised.Min, 99);
  EXPECT_EQ(raised.Position, 99);
  EXPECT_EQ(raised.FPerCent, 0);
  EXPECT_EQ(raised.FFilledWidth, 0);

  TPositionModel top = MakeModel(0, INT32_MAX);
  top.SetMin(INT32_MAX, kDefaultClientWidth);
  EXPECT_EQ(top.Min, INT32_MAX - 1);
  TPositionModel bottom = MakeModel(INT32_MIN, 0);
  bottom.SetMax(INT32_MIN, kDefaultClientWidth);
  EXPECT_EQ(bottom.Max, INT32_MIN + 1);
}

TEST(PositionModel, FullInt32RangeHasAMiddle) {
  TPositionModel model = MakeModel(INT32_MIN, INT32_MAX);
  EXPECT_EQ(model.FRange, 0xFFFFFFFFu);
  model.SetPosition(0, kDefaultClientWidth, nullptr);
  EXPECT_EQ(model.FPerCent, 50);
  EXPECT_EQ(model.FFilledWidth, 66);  // 66.5 ties to even
  EXPECT_EQ(model.PerCentOf(INT32_MAX), 100);
}

struct StepCase {
  uint8_t step, offset;
  int32_t position;
  int16_t column;
};

TEST(PositionModel, StepTableSnapsTheColumn) {
  const StepCase cases[] = {
      {10, 0, 20, 20},   {10, 3, 20, 23}, {10, 0, 100, 133}, {8, 0, 1, 0},
      {8, 0, 6, 8},      {8, 0, 7, 8},    {10, 9, 99, 139},  // beyond the client width
      {10, 9, 100, 133},
  };
  for (const StepCase& c : cases) {
    TPositionModel model;
    model.BuildStepTable(c.step, kDefaultClientWidth);
    model.SetRepaintStepOffset(c.offset, kDefaultClientWidth);
    model.SetPosition(c.position, kDefaultClientWidth, nullptr);
    EXPECT_EQ(model.FFilledWidth, c.column) << int{c.step} << "/" << int{c.offset} << " @" << c.position;
  }
}

TEST(PositionModel, NewStepShowsFromTheNextChange) {
  TPositionModel model;
  model.BuildStepTable(10, kDefaultClientWidth);
  EXPECT_EQ(model.FFilledWidth, 27);
  EXPECT_TRUE(model.SetPosition(21, kDefaultClientWidth, nullptr));
  EXPECT_EQ(model.FFilledWidth, 20);
}

TEST(PositionModel, ResizeUsesTheCachedFraction) {
  TPositionModel model = MakeModel(0, 1000, 50);
  model.SetPosition(20, 50, nullptr);
  ASSERT_EQ(model.FPerCent, 2);
  ASSERT_EQ(model.FFilledWidth, 1);
  EXPECT_FALSE(model.SetPosition(21, 50, nullptr));  // 2 % and column 1 again
  model.ControlResized(1000);
  EXPECT_EQ(model.FFilledWidth, 20);  // from position 20, not 21
  EXPECT_EQ(model.FilledWidthOf(21, 1000), 21);
  EXPECT_EQ(model.FPerCent, 2);
}

TEST(PositionModel, ResizeRebuildsTheStepTable) {
  TPositionModel model;
  model.BuildStepTable(10, kDefaultClientWidth);
  model.SetRepaintStepOffset(3, kDefaultClientWidth);
  model.ControlResized(1000);
  EXPECT_EQ(model.FStepTable.size(), 1001u);
  EXPECT_EQ(model.FFilledWidth, 203);  // column 200, snapped and shifted
}

TEST(PositionModel, ColumnsOutsideAStaleTableStayUnsnapped) {
  TPositionModel model;
  model.BuildStepTable(10, 50);                                   // the control grew without a resize notification
  EXPECT_EQ(model.FilledWidthOf(20, kDefaultClientWidth), 20);    // column 27 is in the table
  EXPECT_EQ(model.FilledWidthOf(100, kDefaultClientWidth), 133);  // column 133 is not
  EXPECT_EQ(model.FilledWidthOf(50, -40), -20);
  model.SetPosition(100, kDefaultClientWidth, nullptr);
  EXPECT_EQ(model.FFilledWidth, 133);
}

}  // namespace
