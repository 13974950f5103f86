#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteIO.h"
#include "CodePage.h"
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
  // Skips the optional flag byte before a class name and the child position that may follow it.
  void SkipFlagPrefix();
  // Consumes the end-of-list byte if it comes next.
  bool EndOfList();
  std::string ReadShortString();
  TValueTag ReadTag();
  // The value of an Int8, Int16 or Int32 tag; any other tag is an invalid property value.
  std::int32_t ReadInteger(TValueTag tag);
  // The identifier of an Ident tag or the name a special identifier tag stands for.
  std::string ReadIdent(TValueTag tag);
  // A string value of any of the four string tags, as 8-bit text in the system code page.
  std::string ReadString(TValueTag tag, const ICodePage& codePage);

 private:
  std::uint8_t PeekByte();
  std::uint8_t ReadByte();
  std::uint32_t ReadLittleEndian(std::size_t byteCount);
  std::string ReadBytes(std::uint64_t count);
  std::u16string ReadUtf16(std::uint32_t unitCount);
  void FillIfEmpty();

  IByteSource& source_;
  std::array<std::uint8_t, 4096> buffer_{};
  std::size_t position_ = 0;
  std::size_t end_ = 0;
};

}  // namespace zarnel::stream
