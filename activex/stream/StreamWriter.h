#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ByteIO.h"
#include "CodePage.h"
#include "ValueTag.h"

namespace zarnel::stream {

// Encodes the values of a component stream and writes them in 4096-byte blocks.
// Nothing reaches the sink before a block is full or Flush() is called.
class TStreamWriter {
 public:
  explicit TStreamWriter(IByteSink& sink) noexcept;
  TStreamWriter(const TStreamWriter&) = delete;
  TStreamWriter& operator=(const TStreamWriter&) = delete;

  void WriteSignature();
  // Length byte and characters; longer text is cut to 255 bytes.
  void WriteShortString(std::string_view text);
  void WriteListEnd();
  // The smallest of the tags Int8, Int16 and Int32 that holds the value.
  void WriteInteger(std::int32_t value);
  // False, True, Null and nil take their single-byte tags.
  void WriteIdent(std::string_view name);
  // Member names in the order given.
  void WriteSet(std::span<const std::string_view> members);
  // 8-bit text in the system code page, in the smallest form that gives it back unchanged.
  void WriteString(std::string_view text, const ICodePage& codePage);
  void Flush();

 private:
  void WriteTag(TValueTag tag);
  void WriteByte(std::uint8_t value);
  void WriteLittleEndian(std::uint32_t value, std::size_t byteCount);
  void WriteLength(std::size_t length);
  void WriteBytes(std::string_view bytes);

  IByteSink& sink_;
  std::array<std::uint8_t, 4096> buffer_{};
  std::size_t used_ = 0;
};

}  // namespace zarnel::stream
