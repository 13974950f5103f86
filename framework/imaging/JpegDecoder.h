#pragma once

#include <cstdint>
#include <span>

#include "DecodedImage.h"

namespace zarnel::imaging {

// Decodes a baseline or progressive JFIF/JPEG file at full scale with the accurate integer inverse
// DCT and block smoothing; grey-scale files come out as grey RGB. CMYK and YCCK files, truncated
// files and files with more than MaxJpegScans scans fail with EImageError.
TDecodedImage DecodeJpeg(std::span<const uint8_t> file);

}  // namespace zarnel::imaging
