#pragma once

#include <cstdint>

namespace zarnel::imaging {

// One colour channel of a 16 or 32 bit BMP pixel, given by its bit field mask and scaled to 0..255.
class TChannelMask {
 public:
  // Throws EImageError for a mask that is zero, not one contiguous run of bits, or wider than
  // the pixel; channelName goes into the message.
  TChannelMask(uint32_t mask, unsigned bitCount, const char* channelName);

  uint8_t Extract(uint32_t pixel) const;

 private:
  uint32_t Mask;
  int Shift;
  int Width;
};

}  // namespace zarnel::imaging
