#include <gtest/gtest.h>

#include "DecodedImage.h"

namespace zarnel::imaging::test {
namespace {

struct TSizeCase {
  int64_t Width;
  int64_t Height;
  const char* Error;  // nullptr: accepted
};

const TSizeCase SizeCases[] = {
    {1, 1, nullptr},
    {32767, 1, nullptr},
    {1, 32767, nullptr},
    {8192, 4096, nullptr},  // exactly 2^25 pixels
    {32768, 1, "picture too large: 32768 x 1 pixels"},
    {1, 32768, "picture too large: 1 x 32768 pixels"},
    {8193, 4096, "picture too large: 8193 x 4096 pixels"},
    {32767, 32767, "picture too large"},
    {int64_t{1} << 40, int64_t{1} << 40, "picture too large"},
    {0, 5, "invalid picture size 0 x 5 pixels"},
    {5, -1, "invalid picture size 5 x -1 pixels"},
};

void PrintTo(const TSizeCase& c, std::ostream* os) { *os << c.Width << " x " << c.Height; }

class PictureLimits : public testing::TestWithParam<TSizeCase> {};

TEST_P(PictureLimits, AcceptsOrRejectsSize) {
  const TSizeCase& c = GetParam();
  if (c.Error == nullptr) {
    EXPECT_NO_THROW(CheckPictureSize(c.Width, c.Height));
    return;
  }
  try {
    CheckPictureSize(c.Width, c.Height);
    FAIL() << "accepted";
  } catch (const EImageError& error) {
    EXPECT_NE(std::string(error.what()).find(c.Error), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureLimits, testing::ValuesIn(SizeCases));

TEST(AllocateImage, GivesBlackPictureOfTheSize) {
  const TDecodedImage image = AllocateImage(3, 2);
  EXPECT_EQ(image.Width, 3);
  EXPECT_EQ(image.Height, 2);
  EXPECT_EQ(image.Pixels, std::vector<uint32_t>(6, 0));
  EXPECT_THROW(AllocateImage(40000, 1), EImageError);
}

}  // namespace
}  // namespace zarnel::imaging::test
