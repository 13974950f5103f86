#pragma once

#include <cstdint>
#include <vector>

#include "DecodedImage.h"

namespace zarnel::imaging {

// Writes a plain bottom-up 24-bit BMP file (BITMAPINFOHEADER, BI_RGB). Throws EImageError for a
// picture whose size is invalid or does not match its pixel count.
std::vector<uint8_t> EncodeBmp24(const TDecodedImage& image);

}  // namespace zarnel::imaging
