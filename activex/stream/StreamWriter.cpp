#include "StreamWriter.h"

#include <algorithm>
#include <limits>

#include "AsciiText.h"
#include "StreamError.h"
#include "Unicode.h"

namespace zarnel::stream {

namespace {

constexpr std::size_t MaxShortStringLength = 255;

}  // namespace

TStreamWriter::TStreamWriter(IByteSink& sink) noexcept : sink_(sink) {}

void TStreamWriter::WriteSignature() { WriteBytes("TPF0"); }

void TStreamWriter::WriteShortString(std::string_view text) {
  const std::string_view cut = text.substr(0, MaxShortStringLength);
  WriteByte(static_cast<std::uint8_t>(cut.size()));
  WriteBytes(cut);
}

void TStreamWriter::WriteListEnd() { WriteTag(TValueTag::Null); }

void TStreamWriter::WriteInteger(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max()) {
    WriteTag(TValueTag::Int8);
    WriteLittleEndian(bits, 1);
  } else if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()) {
    WriteTag(TValueTag::Int16);
    WriteLittleEndian(bits, 2);
  } else {
    WriteTag(TValueTag::Int32);
    WriteLittleEndian(bits, 4);
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
  if (utf8->size() < 2 * utf16.size()) {
    if (*utf8 == text) {
      if (text.size() <= MaxShortStringLength) {
        WriteTag(TValueTag::String);
        WriteByte(static_cast<std::uint8_t>(text.size()));
      } else {
        WriteTag(TValueTag::LString);
        WriteLength(text.size());
      }
    } else {
      WriteTag(TValueTag::Utf8String);
      WriteLength(utf8->size());
    }
    WriteBytes(*utf8);
    return;
  }
  WriteTag(TValueTag::WString);
  WriteLength(utf16.size());
  for (const char16_t unit : utf16) WriteLittleEndian(unit, 2);
}

void TStreamWriter::Flush() {
  if (used_ == 0) return;
  sink_.Write(std::span(buffer_.data(), used_));
  used_ = 0;
}

void TStreamWriter::WriteTag(TValueTag tag) { WriteByte(static_cast<std::uint8_t>(tag)); }

void TStreamWriter::WriteByte(std::uint8_t value) {
  buffer_[used_++] = value;
  if (used_ == buffer_.size()) Flush();
}

void TStreamWriter::WriteLittleEndian(std::uint32_t value, std::size_t byteCount) {
  for (std::size_t i = 0; i < byteCount; ++i) WriteByte(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TStreamWriter::WriteLength(std::size_t length) {
  if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw EStreamError::InvalidPropertyValue();
  WriteLittleEndian(static_cast<std::uint32_t>(length), 4);
}

void TStreamWriter::WriteBytes(std::string_view bytes) {
  for (const char c : bytes) WriteByte(static_cast<std::uint8_t>(c));
}

}  // namespace zarnel::stream
