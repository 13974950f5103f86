#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "DecodedImage.h"

namespace zarnel::imaging {

// A bitmap resource is a BMP file without its 14-byte file header ("packed DIB").
struct TDibSize {
  int64_t Width = 0;
  int64_t Height = 0;  // as stored: negative for top-down
};

// The size its header claims; throws EImageError when there is no readable header.
TDibSize PackedDibSize(std::span<const uint8_t> dib);

// Decodes a packed DIB by giving it the file header it lacks; throws EImageError.
TDecodedImage DecodePackedDib(std::span<const uint8_t> dib);

}  // namespace zarnel::imaging
