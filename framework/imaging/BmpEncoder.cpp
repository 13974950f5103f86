#include "BmpEncoder.h"

#include <string>
#include <utility>

namespace zarnel::imaging {

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t PixelOffset = FileHeaderSize + InfoHeaderSize;

class TLittleEndianWriter {
 public:
  explicit TLittleEndianWriter(size_t capacity) { Bytes.reserve(capacity); }

  void U8(uint8_t value) { Bytes.push_back(value); }
  void U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
  }
  void U32(uint32_t value) {
    U16(static_cast<uint16_t>(value));
    U16(static_cast<uint16_t>(value >> 16));
  }

  std::vector<uint8_t> Bytes;
};

}  // namespace

std::vector<uint8_t> EncodeBmp24(const TDecodedImage& image) {
  CheckPictureSize(image.Width, image.Height);
  const size_t width = static_cast<size_t>(image.Width);
  const size_t height = static_cast<size_t>(image.Height);
  if (image.Pixels.size() != width * height) {
    throw EImageError("picture has " + std::to_string(image.Pixels.size()) + " pixels, not " +
                      std::to_string(width * height));
  }
  // Within the size limits all of these fit 32 bits.
  const uint32_t stride = static_cast<uint32_t>((width * 3 + 3) / 4 * 4);
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);

  TLittleEndianWriter out(PixelOffset + imageSize);
  out.U8('B');
  out.U8('M');
  out.U32(PixelOffset + imageSize);
  out.U32(0);  // reserved
  out.U32(PixelOffset);

  out.U32(InfoHeaderSize);
  out.U32(static_cast<uint32_t>(image.Width));
  out.U32(static_cast<uint32_t>(image.Height));  // positive: bottom-up
  out.U16(1);                                    // planes
  out.U16(24);
  out.U32(0);  // BI_RGB
  out.U32(imageSize);
  out.U32(0);  // no resolution
  out.U32(0);
  out.U32(0);  // no colour table
  out.U32(0);

  for (size_t row = height; row-- > 0;) {
    for (size_t x = 0; x < width; ++x) {
      const uint32_t pixel = image.Pixels[row * width + x];
      out.U8(static_cast<uint8_t>(pixel));
      out.U8(static_cast<uint8_t>(pixel >> 8));
      out.U8(static_cast<uint8_t>(pixel >> 16));
    }
    for (size_t pad = width * 3; pad < stride; ++pad) {
      out.U8(0);
    }
  }
  return std::move(out.Bytes);
}

}  // namespace zarnel::imaging
