#pragma once

#include <cstdint>
#include <vector>

#include "DecodedImage.h"

namespace zarnel::imaging::test {

enum class TJpegKind { Baseline, Progressive, Grey, Cmyk };

// Encodes `picture` with libjpeg's own compressor at quality 95. Grey files take the green
// channel; CMYK files store the complement of RGB with K = 0.
std::vector<uint8_t> EncodeJpeg(const TDecodedImage& picture, TJpegKind kind);

// A grey progressive file with exactly `scans` valid scans (64 to 704), refining each spectral
// band by successive approximation.
std::vector<uint8_t> EncodeJpegWithScans(const TDecodedImage& picture, int scans);

}  // namespace zarnel::imaging::test
