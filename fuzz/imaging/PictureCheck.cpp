#include "PictureCheck.h"

#include <cstdlib>

#include "BmpDecoder.h"
#include "BmpEncoder.h"

namespace zarnel::imaging::fuzz {
namespace {

// Larger pictures would slow every run down for little gain in coverage.
constexpr size_t MaxRoundTripPixels = size_t{1} << 16;

}  // namespace

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void CheckPicture(const TDecodedImage& image) {
  Require(image.Width > 0 && image.Width <= MaxPictureSide);
  Require(image.Height > 0 && image.Height <= MaxPictureSide);
  Require(image.Pixels.size() == size_t(image.Width) * size_t(image.Height));
  for (uint32_t pixel : image.Pixels) {
    Require(pixel <= 0xFFFFFF);
  }
  if (image.Pixels.size() <= MaxRoundTripPixels) {
    const TDecodedImage copy = DecodeBmp(EncodeBmp24(image));
    Require(copy.Width == image.Width && copy.Height == image.Height && copy.Pixels == image.Pixels);
  }
}

}  // namespace zarnel::imaging::fuzz
