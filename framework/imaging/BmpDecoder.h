#pragma once

#include <cstdint>
#include <span>

#include "DecodedImage.h"

namespace zarnel::imaging {

// Decodes a whole .BMP file: core, info, V4 or V5 header; 1, 4, 8, 16, 24 or 32 bits per pixel;
// uncompressed, bit fields, RLE8 or RLE4; bottom-up or top-down. Alpha is ignored.
// Throws EImageError for any file it cannot decode.
TDecodedImage DecodeBmp(std::span<const uint8_t> file);

}  // namespace zarnel::imaging
