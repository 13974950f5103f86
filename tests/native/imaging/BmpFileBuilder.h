#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

namespace zarnel::imaging::test {

// Header fields of a BMP file written field by field, so that the decoder is checked against
// files assembled independently of it. Values are written as given, however wrong.
struct TBmpFields {
  uint32_t HeaderSize = 40;  // 12 writes a core header
  int32_t Width = 1;
  int32_t Height = 1;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  std::vector<uint32_t> Masks;    // red, green, blue: inside a V4/V5 header, else after the header
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  std::vector<uint8_t> PixelData;
  std::optional<uint32_t> PixelOffset;  // default: right after the palette
};

std::vector<uint8_t> BuildBmp(const TBmpFields& fields);

// A picture built from fields and what a decoder must make of it, the colours worked out by hand from
// the bytes, never taken from the decoder.
struct TDecodeCase {
  const char* Name;
  TBmpFields Fields;
  int32_t Width;
  int32_t Height;
  std::vector<uint32_t> Pixels;  // top row first
};
// Test names in failure reports.
inline void PrintTo(const TDecodeCase& c, std::ostream* out) { *out << c.Name; }

}  // namespace zarnel::imaging::test
