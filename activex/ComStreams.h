#pragma once
// Byte sink and source over a COM IStream, for the component stream.
#include <objidl.h>
#include <wrl/client.h>

#include "ByteIO.h"

namespace zarnel {

// Writes at the stream's current position; any failure of the stream becomes an error.
class TComStreamSink final : public stream::IByteSink {
 public:
  explicit TComStreamSink(IStream* stream) : FStream(stream) {}
  void Write(std::span<const uint8_t> bytes) override;

 private:
  Microsoft::WRL::ComPtr<IStream> FStream;
};

// Reads from the current position; bytes read ahead but not used are given back by seeking.
class TComStreamSource final : public stream::IByteSource {
 public:
  explicit TComStreamSource(IStream* stream) : FStream(stream) {}
  size_t Read(std::span<uint8_t> buffer) override;
  void GiveBack(size_t count) noexcept override;

 private:
  Microsoft::WRL::ComPtr<IStream> FStream;
};

}  // namespace zarnel
