#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zarnel::imaging {

// Rows top-down, each pixel 0x00RRGGBB: the memory layout of a 32-bit DIB, so the Windows side
// copies rows straight into a DIB section.
struct TDecodedImage {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;
};

// Every failure to decode or encode a picture; the message says what is wrong.
class EImageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Picture files are untrusted: a header may claim any size, so nothing larger is ever allocated.
inline constexpr int64_t MaxPictureSide = 32767;
inline constexpr int64_t MaxPicturePixels = int64_t{1} << 25;

// Throws EImageError unless both sides are positive and the picture is within the limits above.
void CheckPictureSize(int64_t width, int64_t height);

// A black picture of a size that passed CheckPictureSize (checked again here).
TDecodedImage AllocateImage(int64_t width, int64_t height);

constexpr uint32_t MakePixel(uint8_t red, uint8_t green, uint8_t blue) {
  return (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

}  // namespace zarnel::imaging
