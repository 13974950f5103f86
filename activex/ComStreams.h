#pragma once
// The component stream on COM streams: byte sink and source over IStream, and saving or loading a
// component's published properties at a stream's position.
#include <objidl.h>
#include <wrl/client.h>

#include "ByteIO.h"
#include "Component.h"

namespace zarnel {

// Writes at the stream's current position; a failing stream raises its own HRESULT.
class TComStreamSink final : public stream::IByteSink {
 public:
  explicit TComStreamSink(IStream* stream) : FStream(stream) {}
  void Write(std::span<const uint8_t> bytes) override;

 private:
  Microsoft::WRL::ComPtr<IStream> FStream;
};

// Reads from the current position, a failing stream raising its own HRESULT; bytes read ahead but
// not used are given back by seeking.
class TComStreamSource final : public stream::IByteSource {
 public:
  explicit TComStreamSource(IStream* stream) : FStream(stream) {}
  size_t Read(std::span<uint8_t> buffer) override;
  void GiveBack(size_t count) noexcept override;

 private:
  Microsoft::WRL::ComPtr<IStream> FStream;
};

// Writes the component at the stream's position.
void SaveComponent(IStream* stream, TComponent& component);
// Reads from the stream's position, applying each value through its setter; the stream is left just
// after the component. Stream errors, the stream's own HRESULTs and the setters' errors pass on.
void LoadComponent(IStream* stream, TComponent& component);

}  // namespace zarnel
