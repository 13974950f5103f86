#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "DecodedImage.h"

namespace zarnel::imaging {

// Bounds-checked little-endian reads at absolute offsets of an untrusted file; a read past the
// end throws EImageError with the message given at construction.
class TLittleEndianReader {
 public:
  TLittleEndianReader(std::span<const uint8_t> data, std::string truncatedMessage)
      : Data(data), TruncatedMessage(std::move(truncatedMessage)) {}

  std::span<const uint8_t> Bytes(size_t offset, size_t count) const {
    if (offset > Data.size() || count > Data.size() - offset) {
      throw EImageError(TruncatedMessage);
    }
    return Data.subspan(offset, count);
  }

  uint8_t U8(size_t offset) const { return Bytes(offset, 1)[0]; }

  uint16_t U16(size_t offset) const {
    const auto bytes = Bytes(offset, 2);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
  }

  uint32_t U32(size_t offset) const {
    const auto bytes = Bytes(offset, 4);
    return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16) | (uint32_t{bytes[3]} << 24);
  }

  // Two's complement, as the file stores it (well defined since C++20).
  int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }

 private:
  std::span<const uint8_t> Data;
  std::string TruncatedMessage;
};

}  // namespace zarnel::imaging
