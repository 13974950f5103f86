#include "PackedDib.h"

#include "BmpDecoder.h"

namespace zarnel::imaging {
namespace {

uint32_t Le(std::span<const uint8_t> d, size_t at, size_t bytes) {
  if (at + bytes > d.size()) throw EImageError("bitmap header is truncated");
  uint32_t v = 0;
  for (size_t i = 0; i < bytes; ++i) v |= uint32_t{d[at + i]} << (8 * i);
  return v;
}

constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t BitFields = 3;

// Where the pixels start: after the header, the colour table and any separate bit masks.
uint64_t PixelOffset(std::span<const uint8_t> dib) {
  const uint32_t headerSize = Le(dib, 0, 4);
  if (headerSize == CoreHeaderSize) {
    const uint32_t bpp = Le(dib, 10, 2);
    return headerSize + (bpp <= 8 ? (uint64_t{1} << bpp) * 3 : 0);
  }
  if (headerSize < InfoHeaderSize) throw EImageError("unknown bitmap header");
  const uint32_t bpp = Le(dib, 14, 2);
  const uint32_t compression = Le(dib, 16, 4);
  const uint32_t used = Le(dib, 32, 4);
  const uint64_t colours = used != 0 ? used : (bpp <= 8 ? uint64_t{1} << bpp : 0);
  const uint64_t masks = (headerSize == InfoHeaderSize && compression == BitFields) ? 12 : 0;
  return uint64_t{headerSize} + colours * 4 + masks;
}

}  // namespace

TDibSize PackedDibSize(std::span<const uint8_t> dib) {
  const uint32_t headerSize = Le(dib, 0, 4);
  if (headerSize == CoreHeaderSize) return {Le(dib, 4, 2), Le(dib, 6, 2)};
  return {static_cast<int32_t>(Le(dib, 4, 4)), static_cast<int32_t>(Le(dib, 8, 4))};
}

TDecodedImage DecodePackedDib(std::span<const uint8_t> dib) {
  constexpr size_t FileHeaderSize = 14;
  const uint64_t offset = FileHeaderSize + PixelOffset(dib);
  if (offset > dib.size() + FileHeaderSize || dib.size() > UINT32_MAX - FileHeaderSize)
    throw EImageError("bitmap colour table runs past the data");
  const uint32_t fileSize = static_cast<uint32_t>(dib.size() + FileHeaderSize);
  std::vector<uint8_t> file{'B', 'M'};
  for (uint32_t v : {fileSize, 0u, static_cast<uint32_t>(offset)})
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
  file.insert(file.end(), dib.begin(), dib.end());
  return DecodeBmp(file);
}

}  // namespace zarnel::imaging
