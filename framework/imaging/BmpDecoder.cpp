#include "BmpDecoder.h"

#include "BmpHeader.h"
#include "BmpRle.h"
#include "BmpRows.h"

namespace zarnel::imaging {

TDecodedImage DecodeBmp(std::span<const uint8_t> file) {
  const TBmpHeader header = ReadBmpHeader(file);
  if (header.IsRunLength()) {
    return DecodeBmpRle(header, file);
  }
  return DecodeBmpRows(header, file);
}

}  // namespace zarnel::imaging
