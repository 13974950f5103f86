#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ByteIO.h"
#include "CodePage.h"
#include "Extended80.h"
#include "FlagPrefix.h"
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
  // Flag prefix (when there is one), class name and component name. A class name of 240 or more
  // characters gets a flag byte even without flags: its length byte would read as one.
  void WriteComponentHeader(const TFlagPrefix& flags, std::string_view className, std::string_view name);
  // Length byte and characters; longer text is cut to 255 bytes.
  void WriteShortString(std::string_view text);
  void WriteListStart();
  void WriteCollectionStart();
  void WriteListEnd();
  // The smallest of the tags Int8, Int16, Int32 and Int64 that holds the value.
  void WriteInteger(std::int64_t value);
  // False, True, Null and nil take their single-byte tags.
  void WriteIdent(std::string_view name);
  // Member names in the order given.
  void WriteSet(std::span<const std::string_view> members);
  // 8-bit text in the system code page, in the smallest form that gives it back unchanged.
  void WriteString(std::string_view text, const ICodePage& codePage);
  // UTF-16 text: as it is in 8 bits when all of it is ASCII, else in UTF-8 while that is the shorter
  // form, else in UTF-16, which is also the one form of text with unpaired surrogates.
  void WriteUtf16String(std::u16string_view text);
  // Tag, 4-byte length, then the bytes as they are.
  void WriteBinary(std::span<const std::uint8_t> bytes);
  void WriteExtended(const TExtended80& value);
  void WriteSingle(float value);
  void WriteDate(double value);
  // Counted in ten-thousandths.
  void WriteCurrency(std::int64_t tenThousandths);
  void Flush();

 private:
  void WriteTag(TValueTag tag);
  void WriteByte(std::uint8_t value);
  void WriteLittleEndian(std::uint64_t value, std::size_t byteCount);
  // String or LString, by length.
  void WriteAnsiString(std::string_view text);
  // Utf8String while it is the shorter form, else WString.
  void WriteUnicodeString(std::u16string_view utf16, std::string_view utf8);
  void WriteWideString(std::u16string_view utf16);
  void WriteLength(std::size_t length);
  void WriteBytes(std::string_view bytes);

  IByteSink& FSink;
  std::array<std::uint8_t, 4096> FBuffer{};
  std::size_t FUsed = 0;
};

}  // namespace zarnel::stream
