#include "ComStreams.h"

#include <limits>

#include "StreamError.h"

namespace zarnel {
namespace {

ULONG Chunk(size_t size) { return static_cast<ULONG>(std::min<size_t>(size, std::numeric_limits<ULONG>::max())); }

}  // namespace

void TComStreamSink::Write(std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    ULONG written = 0;
    const HRESULT hr = FStream->Write(bytes.data(), Chunk(bytes.size()), &written);
    if (FAILED(hr) || written == 0) throw stream::EStreamError("Stream write error");
    bytes = bytes.subspan(written);
  }
}

size_t TComStreamSource::Read(std::span<uint8_t> buffer) {
  ULONG read = 0;
  const HRESULT hr = FStream->Read(buffer.data(), Chunk(buffer.size()), &read);
  if (FAILED(hr)) throw stream::EStreamError::StreamReadError();
  return read;
}

void TComStreamSource::GiveBack(size_t count) noexcept {
  LARGE_INTEGER back;
  back.QuadPart = -static_cast<LONGLONG>(count);
  FStream->Seek(back, STREAM_SEEK_CUR, nullptr);
}

}  // namespace zarnel
