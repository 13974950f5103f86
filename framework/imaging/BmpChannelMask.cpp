#include "BmpChannelMask.h"

#include <bit>
#include <string>

#include "DecodedImage.h"

namespace zarnel::imaging {

TChannelMask::TChannelMask(uint32_t mask, unsigned bitCount, const char* channelName)
    : Mask(mask), Shift(std::countr_zero(mask)), Width(std::popcount(mask)) {
  const auto fail = [&](const char* problem) {
    return EImageError(std::string("BMP ") + channelName + " bit field mask " + problem);
  };
  if (mask == 0) {
    throw fail("is zero");
  }
  const uint32_t run = mask >> Shift;
  if ((run & (run + 1)) != 0) {
    throw fail("is not contiguous");
  }
  if (bitCount < 32 && (mask >> bitCount) != 0) {
    throw fail("lies outside the pixel");
  }
}

uint8_t TChannelMask::Extract(uint32_t pixel) const {
  const uint32_t value = (pixel & Mask) >> Shift;
  if (Width >= 8) {
    return static_cast<uint8_t>(value >> (Width - 8));
  }
  // Stretched to the full range, rounded, so that a channel at its maximum is 255.
  const uint32_t maximum = (uint32_t{1} << Width) - 1;
  return static_cast<uint8_t>((value * 255 + maximum / 2) / maximum);
}

}  // namespace zarnel::imaging
