#include "MemoryStreams.h"

#include <algorithm>
#include <cstdlib>

namespace zarnel::stream::testing {

void TMemorySink::Write(std::span<const std::uint8_t> written) {
  bytes.insert(bytes.end(), written.begin(), written.end());
  writeSizes.push_back(written.size());
}

TMemorySource::TMemorySource(std::span<const std::uint8_t> data, std::size_t maxChunk)
    : data_(data.begin(), data.end()), maxChunk_(maxChunk) {}

std::size_t TMemorySource::Read(std::span<std::uint8_t> buffer) {
  const std::size_t count = std::min({buffer.size(), maxChunk_, data_.size() - position_});
  std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
  position_ += count;
  return count;
}

void TMemorySource::GiveBack(std::size_t count) noexcept {
  if (count > position_) std::abort();
  position_ -= count;
}

}  // namespace zarnel::stream::testing
