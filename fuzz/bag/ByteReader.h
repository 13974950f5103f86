#pragma once
// The fuzz input read front to back. It never runs dry: past the end it reads zeros, so every
// input decodes to something.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace zarnel::fuzz {

class TByteReader {
 public:
  explicit TByteReader(std::span<const uint8_t> bytes) : FBytes(bytes) {}

  bool AtEnd() const { return FOffset >= FBytes.size(); }
  size_t Remaining() const { return AtEnd() ? 0 : FBytes.size() - FOffset; }
  uint8_t Byte() { return AtEnd() ? 0 : FBytes[FOffset++]; }

  // A little-endian value of T's width.
  template <typename T>
  T Raw() {
    uint8_t bytes[sizeof(T)];
    for (uint8_t& b : bytes) b = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

 private:
  std::span<const uint8_t> FBytes;
  size_t FOffset = 0;
};

}  // namespace zarnel::fuzz
