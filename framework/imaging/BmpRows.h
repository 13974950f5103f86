#pragma once

#include <cstdint>
#include <span>

#include "BmpHeader.h"
#include "DecodedImage.h"

namespace zarnel::imaging {

// Decodes the uncompressed pixel rows (BI_RGB and BI_BITFIELDS) that the header describes.
TDecodedImage DecodeBmpRows(const TBmpHeader& header, std::span<const uint8_t> file);

}  // namespace zarnel::imaging
