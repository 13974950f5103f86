#include "StoredBitmap.h"

#include "BmpDecoder.h"
#include "LittleEndianReader.h"

namespace zarnel::imaging {

TDecodedImage DecodeStoredBitmap(std::span<const uint8_t> data) {
  const uint32_t length = TLittleEndianReader(data, "bitmap data too short").U32(0);
  if (length != data.size() - 4) throw EImageError("bitmap data length does not match its file");
  return DecodeBmp(data.subspan(4));
}

}  // namespace zarnel::imaging
