#pragma once
#include <cstdint>
#include <span>

#include "DecodedImage.h"

namespace zarnel::imaging {

// A bitmap as form files store it (a speed button's glyph, say): the length of a .BMP file as
// 4 bytes, little-endian, then the file. Throws EImageError when the length does not match the
// bytes that follow it or the file does not decode.
TDecodedImage DecodeStoredBitmap(std::span<const uint8_t> data);

}  // namespace zarnel::imaging
