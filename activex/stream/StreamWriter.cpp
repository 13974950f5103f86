#include "StreamWriter.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <utility>

#include "AsciiText.h"
#include "StreamError.h"
#include "Unicode.h"

namespace zarnel::stream {

namespace {

constexpr std::size_t MaxShortStringLength = 255;

bool IsAscii(char16_t unit) noexcept { return unit < 0x80; }

}  // namespace

TStreamWriter::TStreamWriter(IByteSink& sink) noexcept : FSink(sink) {}

void TStreamWriter::WriteSignature() { WriteBytes("TPF0"); }

void TStreamWriter::WriteComponentHeader(const TFlagPrefix& flags, std::string_view className, std::string_view name) {
  if (!flags.IsEmpty() || std::min(className.size(), MaxShortStringLength) >= FlagPrefixMask) {
    WriteByte(static_cast<std::uint8_t>(FlagPrefixMask | (flags.inherited ? FlagInherited : 0) |
                                        (flags.childPosition ? FlagChildPosition : 0) |
                                        (flags.inlined ? FlagInline : 0)));
    if (flags.childPosition) WriteInteger(*flags.childPosition);
  }
  WriteShortString(className);
  WriteShortString(name);
}

void TStreamWriter::WriteShortString(std::string_view text) {
  const std::string_view cut = text.substr(0, MaxShortStringLength);
  WriteByte(static_cast<std::uint8_t>(cut.size()));
  WriteBytes(cut);
}

void TStreamWriter::WriteListStart() { WriteTag(TValueTag::List); }

void TStreamWriter::WriteCollectionStart() { WriteTag(TValueTag::Collection); }

void TStreamWriter::WriteListEnd() { WriteTag(TValueTag::Null); }

void TStreamWriter::WriteInteger(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  if (std::in_range<std::int8_t>(value)) {
    WriteTag(TValueTag::Int8);
    WriteLittleEndian(bits, 1);
  } else if (std::in_range<std::int16_t>(value)) {
    WriteTag(TValueTag::Int16);
    WriteLittleEndian(bits, 2);
  } else if (std::in_range<std::int32_t>(value)) {
    WriteTag(TValueTag::Int32);
    WriteLittleEndian(bits, 4);
  } else {
    WriteTag(TValueTag::Int64);
    WriteLittleEndian(bits, 8);
  }
}

void TStreamWriter::WriteIdent(std::string_view name) {
  const auto special =
      std::ranges::find_if(SpecialIdents, [name](const TSpecialIdent& s) { return SameText(s.name, name); });
  if (special != SpecialIdents.end()) {
    WriteTag(special->tag);
    return;
  }
  WriteTag(TValueTag::Ident);
  WriteShortString(name);
}

void TStreamWriter::WriteSet(std::span<const std::string_view> members) {
  WriteTag(TValueTag::Set);
  for (const std::string_view member : members) WriteShortString(member);
  WriteShortString({});
}

// The 8-bit text is kept as it is when its UTF-8 form is the same bytes; otherwise UTF-8 is used
// while it is the shorter Unicode form, and UTF-16 when it is not.
void TStreamWriter::WriteString(std::string_view text, const ICodePage& codePage) {
  const std::u16string utf16 = codePage.ToUtf16(text);
  const auto utf8 = Utf16ToUtf8(utf16);
  if (!utf8) throw EStreamError::InvalidPropertyValue();
  if (utf8->size() < 2 * utf16.size() && *utf8 == text) {
    WriteAnsiString(text);
  } else {
    WriteUnicodeString(utf16, *utf8);
  }
}

void TStreamWriter::WriteUtf16String(std::u16string_view text) {
  const auto utf8 = Utf16ToUtf8(text);
  if (!utf8) {
    WriteWideString(text);  // unpaired surrogates have no other form
  } else if (std::ranges::all_of(text, IsAscii)) {
    WriteAnsiString(*utf8);
  } else {
    WriteUnicodeString(text, *utf8);
  }
}

void TStreamWriter::WriteBinary(std::span<const std::uint8_t> bytes) {
  WriteTag(TValueTag::Binary);
  WriteLength(bytes.size());
  for (const std::uint8_t b : bytes) WriteByte(b);
}

void TStreamWriter::WriteExtended(const TExtended80& value) {
  WriteTag(TValueTag::Extended);
  WriteLittleEndian(value.mantissa, 8);
  WriteLittleEndian(value.signAndExponent, 2);
}

void TStreamWriter::WriteSingle(float value) {
  WriteTag(TValueTag::Single);
  WriteLittleEndian(std::bit_cast<std::uint32_t>(value), 4);
}

void TStreamWriter::WriteDate(double value) {
  WriteTag(TValueTag::Date);
  WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void TStreamWriter::WriteCurrency(std::int64_t tenThousandths) {
  WriteTag(TValueTag::Currency);
  WriteLittleEndian(static_cast<std::uint64_t>(tenThousandths), 8);
}

void TStreamWriter::Flush() {
  if (FUsed == 0) return;
  FSink.Write(std::span(FBuffer.data(), FUsed));
  FUsed = 0;
}

void TStreamWriter::WriteTag(TValueTag tag) { WriteByte(static_cast<std::uint8_t>(tag)); }

void TStreamWriter::WriteByte(std::uint8_t value) {
  FBuffer[FUsed++] = value;
  if (FUsed == FBuffer.size()) Flush();
}

void TStreamWriter::WriteLittleEndian(std::uint64_t value, std::size_t byteCount) {
  for (std::size_t i = 0; i < byteCount; ++i) WriteByte(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TStreamWriter::WriteLength(std::size_t length) {
  if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw EStreamError::InvalidPropertyValue();
  WriteLittleEndian(static_cast<std::uint32_t>(length), 4);
}

void TStreamWriter::WriteAnsiString(std::string_view text) {
  if (text.size() <= MaxShortStringLength) {
    WriteTag(TValueTag::String);
    WriteByte(static_cast<std::uint8_t>(text.size()));
  } else {
    WriteTag(TValueTag::LString);
    WriteLength(text.size());
  }
  WriteBytes(text);
}

void TStreamWriter::WriteUnicodeString(std::u16string_view utf16, std::string_view utf8) {
  if (utf8.size() < 2 * utf16.size()) {
    WriteTag(TValueTag::Utf8String);
    WriteLength(utf8.size());
    WriteBytes(utf8);
  } else {
    WriteWideString(utf16);
  }
}

void TStreamWriter::WriteWideString(std::u16string_view utf16) {
  WriteTag(TValueTag::WString);
  WriteLength(utf16.size());
  for (const char16_t unit : utf16) WriteLittleEndian(unit, 2);
}

void TStreamWriter::WriteBytes(std::string_view bytes) {
  for (const char c : bytes) WriteByte(static_cast<std::uint8_t>(c));
}

}  // namespace zarnel::stream
