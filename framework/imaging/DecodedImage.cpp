#include "DecodedImage.h"

#include <string>

namespace zarnel::imaging {

namespace {

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

}  // namespace

void CheckPictureSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) {
    throw EImageError("invalid picture size " + SizeText(width, height));
  }
  // Each side is checked first, so the product below cannot overflow.
  if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels) {
    throw EImageError("picture too large: " + SizeText(width, height));
  }
}

TDecodedImage AllocateImage(int64_t width, int64_t height) {
  CheckPictureSize(width, height);
  TDecodedImage image;
  image.Width = static_cast<int32_t>(width);
  image.Height = static_cast<int32_t>(height);
  image.Pixels.assign(static_cast<size_t>(width * height), 0);
  return image;
}

}  // namespace zarnel::imaging
