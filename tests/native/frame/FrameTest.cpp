#include <gtest/gtest.h>

#include <limits>

#include "Frame.h"
#include "FrameworkError.h"

namespace zarnel {
namespace {

struct FrameCase {
  TBevelKind kind;
  TBevelCut inner;
  TBevelCut outer;
  int32_t border;
  bool ctl3d;
  int32_t thickness;
  uint32_t edge;
  uint32_t flags;
};

// DrawEdge arguments and ring widths for the frames the control can show.
TEST(FrameSettings, RingWidthAndDrawEdgeArguments) {
  const FrameCase cases[] = {
      {bkNone, bvRaised, bvLowered, 0, false, 0, 6, 0xA00F}, {bkNone, bvRaised, bvLowered, 4, true, 4, 6, 0x200F},
      {bkTile, bvRaised, bvLowered, 0, true, 2, 6, 0x200F},  {bkTile, bvRaised, bvLowered, 0, false, 2, 6, 0xA00F},
      {bkSoft, bvRaised, bvLowered, 3, true, 5, 6, 0x300F},  {bkFlat, bvRaised, bvLowered, 0, true, 2, 6, 0x600F},
      {bkFlat, bvRaised, bvLowered, 1, false, 3, 6, 0xE00F}, {bkTile, bvNone, bvNone, 0, true, 0, 0, 0x200F},
      {bkTile, bvRaised, bvSpace, 0, true, 2, 4, 0x200F},    {bkSoft, bvLowered, bvRaised, 2, true, 4, 9, 0x300F},
      {bkTile, bvSpace, bvNone, 0, true, 1, 0, 0x200F},
  };
  for (const auto& c : cases) {
    TFrameSettings f{c.kind, c.inner, c.outer, c.border, c.ctl3d};
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " inner " << int(c.inner) << " outer " << int(c.outer)
                                    << " border " << c.border);
    EXPECT_EQ(f.Thickness(), c.thickness);
    EXPECT_EQ(f.EdgeStyle(), c.edge);
    EXPECT_EQ(f.EdgeFlags(), c.flags);
    EXPECT_EQ(f.HasFrame(), c.kind != bkNone || c.border != 0);
  }
}

TEST(FrameSettings, DefaultsHaveNoFrame) {
  TFrameSettings f;
  EXPECT_EQ(f.BevelKind, bkNone);
  EXPECT_EQ(f.BevelInner, bvRaised);
  EXPECT_EQ(f.BevelOuter, bvLowered);
  EXPECT_FALSE(f.HasFrame());
  EXPECT_EQ(f.Thickness(), 0);
}

// A stream may give any border a non-negative int32 holds; the ring width stays an int32 then.
TEST(FrameSettings, ThicknessOfTheWidestBordersIsTheInt32Limit) {
  constexpr int32_t widest = std::numeric_limits<int32_t>::max();
  EXPECT_EQ((TFrameSettings{bkTile, bvRaised, bvLowered, widest - 2, true}).Thickness(), widest);
  EXPECT_EQ((TFrameSettings{bkTile, bvRaised, bvLowered, widest - 1, true}).Thickness(), widest);
  EXPECT_EQ((TFrameSettings{bkSoft, bvRaised, bvNone, widest, true}).Thickness(), widest);
  EXPECT_EQ((TFrameSettings{bkNone, bvRaised, bvLowered, widest, true}).Thickness(), widest);
  EXPECT_EQ((TFrameSettings{bkTile, bvRaised, bvLowered, widest - 3, true}).Thickness(), widest - 1);
}

TEST(FormatText, SubstitutesInOrderAndKeepsOtherPercents) {
  EXPECT_EQ(FormatText("Resource %s not found", {"BAR"}), "Resource BAR not found");
  EXPECT_EQ(FormatText("%s_%s 100%", {"a", "b"}), "a_b 100%");
  EXPECT_EQ(FormatText("%s and %s", {"only"}), "only and %s");
}

}  // namespace
}  // namespace zarnel
