#pragma once
// What every decoded picture must satisfy, checked by the picture fuzz targets: a violation aborts
// the run, so libFuzzer keeps the input that caused it.
#include "DecodedImage.h"

namespace zarnel::imaging::fuzz {

// Aborts unless the condition holds.
void Require(bool condition);

// Sides within the decoders' limits, one pixel per position, nothing above 24 bits; small pictures
// also survive a round trip through the BMP writer unchanged.
void CheckPicture(const TDecodedImage& image);

}  // namespace zarnel::imaging::fuzz
