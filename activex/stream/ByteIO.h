#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zarnel::stream {

// Where a component stream goes; the COM side forwards to IStream::Write.
class IByteSink {
 public:
  virtual ~IByteSink() = default;
  // Writes all bytes or throws.
  virtual void Write(std::span<const std::uint8_t> bytes) = 0;
};

// Where a component stream comes from; the COM side forwards to IStream::Read and IStream::Seek.
class IByteSource {
 public:
  virtual ~IByteSource() = default;
  // Fills up to buffer.size() bytes and returns how many arrived; 0 only at the end of the data.
  virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
  // Steps back over the last `count` bytes handed out, so that a reader that read ahead can leave
  // the source just after what it consumed. Runs during unwinding, hence it must not throw.
  virtual void GiveBack(std::size_t count) noexcept = 0;
};

}  // namespace zarnel::stream
