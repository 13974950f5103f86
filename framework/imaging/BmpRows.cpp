#include "BmpRows.h"

#include <array>
#include <functional>

#include "BmpChannelMask.h"

namespace zarnel::imaging {

namespace {

using TRowDecoder = std::function<void(const uint8_t* row, std::span<uint32_t> out)>;

TRowDecoder IndexedRowDecoder(const TBmpHeader& header) {
  const unsigned bits = header.BitCount;
  const unsigned indexMask = (1u << bits) - 1;
  return [&header, bits, indexMask](const uint8_t* row, std::span<uint32_t> out) {
    // The leftmost pixel sits in the most significant bits of its byte.
    for (size_t x = 0; x < out.size(); ++x) {
      const size_t bit = x * bits;
      const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
      out[x] = header.PaletteColor((row[bit / 8] >> shift) & indexMask);
    }
  };
}

TRowDecoder MaskedRowDecoder(const TBmpHeader& header) {
  const std::array<TChannelMask, 3> channels{TChannelMask(header.Masks[0], header.BitCount, "red"),
                                             TChannelMask(header.Masks[1], header.BitCount, "green"),
                                             TChannelMask(header.Masks[2], header.BitCount, "blue")};
  const bool wide = header.BitCount == 32;
  return [channels, wide](const uint8_t* row, std::span<uint32_t> out) {
    for (size_t x = 0; x < out.size(); ++x) {
      const uint8_t* p = row + x * (wide ? 4 : 2);
      uint32_t value = p[0] | (uint32_t{p[1]} << 8);
      if (wide) {
        value |= (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
      }
      out[x] = MakePixel(channels[0].Extract(value), channels[1].Extract(value), channels[2].Extract(value));
    }
  };
}

void DecodeBgrRow(const uint8_t* row, std::span<uint32_t> out) {
  for (size_t x = 0; x < out.size(); ++x) {
    const uint8_t* p = row + x * 3;
    out[x] = MakePixel(p[2], p[1], p[0]);
  }
}

TRowDecoder SelectRowDecoder(const TBmpHeader& header) {
  if (header.BitCount <= 8) {
    return IndexedRowDecoder(header);
  }
  if (header.BitCount == 24) {
    return DecodeBgrRow;
  }
  return MaskedRowDecoder(header);
}

}  // namespace

TDecodedImage DecodeBmpRows(const TBmpHeader& header, std::span<const uint8_t> file) {
  const TRowDecoder decodeRow = SelectRowDecoder(header);
  // Rows are padded to whole 32-bit words. Width and height are bounded, so 64 bits cannot overflow.
  const uint64_t stride = (uint64_t(header.Width) * header.BitCount + 31) / 32 * 4;
  if (stride * uint64_t(header.Height) > file.size() - header.PixelOffset) {
    throw EImageError("BMP pixel data is truncated");
  }
  TDecodedImage image = AllocateImage(header.Width, header.Height);
  const size_t width = static_cast<size_t>(header.Width);
  for (size_t fileRow = 0; fileRow < static_cast<size_t>(header.Height); ++fileRow) {
    const uint8_t* row = file.data() + header.PixelOffset + fileRow * stride;
    decodeRow(row, std::span(image.Pixels).subspan(header.ImageRow(fileRow) * width, width));
  }
  return image;
}

}  // namespace zarnel::imaging
