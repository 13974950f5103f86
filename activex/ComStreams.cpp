#include "ComStreams.h"

#include <algorithm>
#include <limits>

#include "AnsiCodePage.h"
#include "ComponentReader.h"
#include "ComponentStreamAdapter.h"
#include "ComponentWriter.h"
#include "OleError.h"
#include "StreamError.h"

namespace zarnel {
namespace {

ULONG Chunk(size_t size) { return static_cast<ULONG>(std::min<size_t>(size, std::numeric_limits<ULONG>::max())); }

}  // namespace

void TComStreamSink::Write(std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    ULONG written = 0;
    const HRESULT hr = FStream->Write(bytes.data(), Chunk(bytes.size()), &written);
    if (FAILED(hr)) throw EOleSysError("Stream write error", hr);
    // A stream that reports success without taking anything would never finish.
    if (written == 0) throw stream::EStreamError("Stream write error");
    bytes = bytes.subspan(std::min<size_t>(written, bytes.size()));
  }
}

size_t TComStreamSource::Read(std::span<uint8_t> buffer) {
  ULONG read = 0;
  const HRESULT hr = FStream->Read(buffer.data(), Chunk(buffer.size()), &read);
  if (FAILED(hr)) throw EOleSysError("Stream read error", hr);
  return std::min<size_t>(read, buffer.size());
}

void TComStreamSource::GiveBack(size_t count) noexcept {
  LARGE_INTEGER back;
  back.QuadPart = -static_cast<LONGLONG>(count);
  FStream->Seek(back, STREAM_SEEK_CUR, nullptr);
}

void SaveComponent(IStream* stream, TComponent& component) {
  TComStreamSink sink(stream);
  TComponentStreamAdapter adapter(component);
  stream::WriteComponentStream(sink, adapter, TAnsiCodePage{});
}

void LoadComponent(IStream* stream, TComponent& component) {
  TComStreamSource source(stream);
  TComponentStreamAdapter adapter(component);
  stream::ReadComponentStream(source, adapter, TAnsiCodePage{});
}

}  // namespace zarnel
