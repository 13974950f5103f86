#include "MemoryStreams.h"

#include <algorithm>
#include <cstdlib>

namespace zarnel::stream::testing {

void TMemorySink::Write(std::span<const std::uint8_t> written) {
  bytes.insert(bytes.end(), written.begin(), written.end());
  writeSizes.push_back(written.size());
}

TMemorySource::TMemorySource(std::span<const std::uint8_t> data, std::size_t maxChunk)
    : FData(data.begin(), data.end()), FMaxChunk(maxChunk) {}

std::size_t TMemorySource::Read(std::span<std::uint8_t> buffer) {
  const std::size_t count = std::min({buffer.size(), FMaxChunk, FData.size() - FPosition});
  std::copy_n(FData.begin() + static_cast<std::ptrdiff_t>(FPosition), count, buffer.begin());
  FPosition += count;
  return count;
}

void TMemorySource::GiveBack(std::size_t count) noexcept {
  if (count > FPosition) std::abort();
  FPosition -= count;
}

}  // namespace zarnel::stream::testing
