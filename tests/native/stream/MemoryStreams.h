#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "ByteIO.h"

namespace zarnel::stream::testing {

class TMemorySink final : public IByteSink {
 public:
  void Write(std::span<const std::uint8_t> bytes) override;

  std::vector<std::uint8_t> bytes;
  std::vector<std::size_t> writeSizes;
};

// Hands out at most `maxChunk` bytes per Read, as a platform stream may.
class TMemorySource final : public IByteSource {
 public:
  explicit TMemorySource(std::span<const std::uint8_t> data,
                         std::size_t maxChunk = std::numeric_limits<std::size_t>::max());

  std::size_t Read(std::span<std::uint8_t> buffer) override;
  // Giving back more than was handed out is a reader fault; it aborts so that tests and the
  // fuzzer cannot miss it.
  void GiveBack(std::size_t count) noexcept override;

  std::size_t Position() const noexcept { return FPosition; }

 private:
  std::vector<std::uint8_t> FData;
  std::size_t FMaxChunk;
  std::size_t FPosition = 0;
};

}  // namespace zarnel::stream::testing
