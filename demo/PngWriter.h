#pragma once
// A minimal PNG writer for screenshots: 8-bit RGB, stored (uncompressed) deflate blocks. No Windows
// headers, no zlib: the demo stays self-contained.
#include <cstdint>
#include <span>
#include <vector>

namespace zarnel {

// Pixels top-down, each 0x00BBGGRR (the control's colour layout).
std::vector<uint8_t> EncodePng(int32_t width, int32_t height, std::span<const uint32_t> pixels);

}  // namespace zarnel
