#pragma once

#include <cstdint>
#include <span>

#include "BmpHeader.h"
#include "DecodedImage.h"

namespace zarnel::imaging {

// Decodes BI_RLE8 and BI_RLE4 pixel data. Pixels that the data skips (by a delta, an early end of
// line or an early end of the picture) stay black; runs past the right edge are clipped.
TDecodedImage DecodeBmpRle(const TBmpHeader& header, std::span<const uint8_t> file);

}  // namespace zarnel::imaging
