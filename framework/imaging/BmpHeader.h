#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zarnel::imaging {

enum class TBmpCompression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3 };

// What the headers and the colour table of a BMP file say, already checked for consistency.
struct TBmpHeader {
  int32_t Width = 0;
  int32_t Height = 0;  // positive; TopDown tells the row order
  bool TopDown = false;
  uint16_t BitCount = 0;
  TBmpCompression Compression = TBmpCompression::Rgb;
  std::array<uint32_t, 3> Masks{};  // red, green, blue; 16 and 32 bits per pixel only
  std::vector<uint32_t> Palette;    // 0x00RRGGBB; 1 to 8 bits per pixel only
  uint32_t PixelOffset = 0;         // within the file

  bool IsRunLength() const { return Compression == TBmpCompression::Rle8 || Compression == TBmpCompression::Rle4; }

  // GDI shows an index beyond the colour table as black.
  uint32_t PaletteColor(uint32_t index) const { return index < Palette.size() ? Palette[index] : 0; }

  // Picture row of a row as stored in the file.
  size_t ImageRow(size_t fileRow) const { return TopDown ? fileRow : static_cast<size_t>(Height) - 1 - fileRow; }
};

// Reads BITMAPFILEHEADER, then a core, info, V4 or V5 header, the bit field masks and the colour
// table. Throws EImageError for anything unsupported, inconsistent, too large or truncated.
TBmpHeader ReadBmpHeader(std::span<const uint8_t> file);

}  // namespace zarnel::imaging
