#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ByteIO.h"
#include "CodePage.h"
#include "Extended80.h"
#include "FlagPrefix.h"
#include "ValueTag.h"

namespace zarnel::stream {

// Decodes the values of a component stream, reading ahead in blocks of up to 4096 bytes.
// However reading ends, the destructor gives the bytes read ahead but not consumed back to the
// source, so the source is left just after the last byte used.
// A source that ends early fails with "Stream read error"; lengths taken from the stream are only
// ever met with bytes that have arrived, so a forged length cannot make it allocate.
class TStreamReader {
 public:
  explicit TStreamReader(IByteSource& source) noexcept;
  ~TStreamReader();
  TStreamReader(const TStreamReader&) = delete;
  TStreamReader& operator=(const TStreamReader&) = delete;

  // Fails with "Invalid stream format" unless the stream starts with "TPF0".
  void ReadSignature();
  // The optional flag byte before a class name and the child position that may follow it; empty
  // when there is none.
  TFlagPrefix ReadFlagPrefix();
  void SkipFlagPrefix();
  // Consumes the end-of-list byte if it comes next.
  bool EndOfList();
  std::string ReadShortString();
  TValueTag ReadTag();
  // The value of an Int8, Int16 or Int32 tag; any other tag is an invalid property value.
  std::int32_t ReadInteger(TValueTag tag);
  // The value of an Int64 tag or of any of the smaller integer tags.
  std::int64_t ReadInt64(TValueTag tag);
  // The identifier of an Ident tag or the name a special identifier tag stands for.
  std::string ReadIdent(TValueTag tag);
  // A string value of any of the four string tags, as 8-bit text in the system code page. Text that
  // is not well-formed reads as the platform reads it: malformed UTF-8 as U+FFFD, unpaired UTF-16
  // surrogates as they are; characters the code page lacks become its default character.
  std::string ReadString(TValueTag tag, const ICodePage& codePage);
  // A string value of any of the four string tags as UTF-16, read as ReadString reads it; 8-bit
  // strings go through the code page.
  std::u16string ReadUtf16String(TValueTag tag, const ICodePage& codePage);
  // The bytes of a Binary tag; any other tag is an invalid property value.
  std::vector<std::uint8_t> ReadBinary(TValueTag tag);
  // The values of the float tags and of the currency tag, which counts ten-thousandths. Each
  // fails as an invalid property value on any other tag.
  TExtended80 ReadExtended(TValueTag tag);
  float ReadSingle(TValueTag tag);
  double ReadDate(TValueTag tag);
  std::int64_t ReadCurrency(TValueTag tag);

 private:
  std::uint8_t PeekByte();
  std::uint8_t ReadByte();
  std::uint64_t ReadLittleEndian(std::size_t byteCount);
  std::uint32_t ReadLength();
  std::string ReadBytes(std::uint64_t count);
  std::u16string ReadUtf16(std::uint32_t unitCount);
  // The bytes of a String or LString tag.
  std::string ReadAnsiString(TValueTag tag);
  // The code units of a WString tag, or the characters of a Utf8String tag with U+FFFD for what
  // is malformed.
  std::u16string ReadUnicodeString(TValueTag tag);
  void FillIfEmpty();

  IByteSource& FSource;
  std::array<std::uint8_t, 4096> FBuffer{};
  std::size_t FPosition = 0;
  std::size_t FEnd = 0;
};

}  // namespace zarnel::stream
