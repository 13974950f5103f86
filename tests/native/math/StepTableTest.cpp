#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PositionMath.h"

namespace {

struct Span {
  size_t first;
  size_t last;
  int16_t value;
};

struct TableCase {
  int32_t width;
  uint8_t step;
  uint8_t offset;
  std::vector<Span> spans;
};

TEST(StepTable, SnapsDownShiftsNonZeroStepsAndKeepsTheFullBar) {
  const TableCase cases[] = {
      {133, 10, 3, {{0, 9, 0}, {10, 19, 13}, {20, 29, 23}, {130, 132, 133}, {133, 133, 133}}},
      {133, 10, 9, {{0, 9, 0}, {120, 129, 129}, {130, 132, 139}, {133, 133, 133}}},
      {100, 8, 0, {{0, 7, 0}, {8, 15, 8}, {96, 99, 96}, {100, 100, 100}}},
      {5, 255, 7, {{0, 4, 0}, {5, 5, 5}}},
      {0, 10, 3, {{0, 0, 0}}},
      {-5, 10, 3, {{0, 0, 0}}},  // negative widths count as 0
      // Entries are 16-bit: an offset past 32767 wraps, like the columns themselves.
      {32767, 255, 255, {{32640, 32766, -32641}, {32767, 32767, 32767}}},
  };
  for (const TableCase& c : cases) {
    const std::vector<int16_t> table = zarnel::BuildStepTable(c.width, c.step, c.offset);
    ASSERT_EQ(table.size(), c.spans.back().last + 1) << "width " << c.width;
    for (const Span& span : c.spans) {
      for (size_t column = span.first; column <= span.last; ++column) {
        EXPECT_EQ(table[column], span.value) << "width " << c.width << " column " << column;
      }
    }
  }
}

TEST(StepTable, StepsBelowTwoQuantiseNothing) {
  EXPECT_TRUE(zarnel::BuildStepTable(133, 0, 5).empty());
  EXPECT_TRUE(zarnel::BuildStepTable(133, 1, 5).empty());
}

}  // namespace
