#include "StreamReader.h"

#include <algorithm>
#include <span>

#include "StreamError.h"
#include "Unicode.h"

namespace zarnel::stream {

namespace {

constexpr std::uint8_t FlagPrefixMask = 0xF0;
constexpr std::uint8_t FlagChildPosition = 0x02;

}  // namespace

TStreamReader::TStreamReader(IByteSource& source) noexcept : source_(source) {}

TStreamReader::~TStreamReader() {
  if (end_ > position_) source_.GiveBack(end_ - position_);
}

void TStreamReader::ReadSignature() {
  if (ReadBytes(4) != "TPF0") throw EStreamError::InvalidStreamFormat();
}

void TStreamReader::SkipFlagPrefix() {
  const std::uint8_t flags = PeekByte();
  if ((flags & FlagPrefixMask) != FlagPrefixMask) return;
  ReadByte();
  if (flags & FlagChildPosition) ReadInteger(ReadTag());
}

bool TStreamReader::EndOfList() {
  if (PeekByte() != static_cast<std::uint8_t>(TValueTag::Null)) return false;
  ReadByte();
  return true;
}

std::string TStreamReader::ReadShortString() { return ReadBytes(ReadByte()); }

// Tags beyond the known ones pass through; every caller rejects a tag it does not expect.
TValueTag TStreamReader::ReadTag() { return static_cast<TValueTag>(ReadByte()); }

std::int32_t TStreamReader::ReadInteger(TValueTag tag) {
  switch (tag) {
    case TValueTag::Int8:
      return static_cast<std::int8_t>(ReadLittleEndian(1));
    case TValueTag::Int16:
      return static_cast<std::int16_t>(ReadLittleEndian(2));
    case TValueTag::Int32:
      return static_cast<std::int32_t>(ReadLittleEndian(4));
    default:
      throw EStreamError::InvalidPropertyValue();
  }
}

std::string TStreamReader::ReadIdent(TValueTag tag) {
  if (tag == TValueTag::Ident) return ReadShortString();
  const auto special = std::ranges::find(SpecialIdents, tag, &TSpecialIdent::tag);
  if (special == SpecialIdents.end()) throw EStreamError::InvalidPropertyValue();
  return std::string(special->name);
}

std::string TStreamReader::ReadString(TValueTag tag, const ICodePage& codePage) {
  switch (tag) {
    case TValueTag::String:
      return ReadShortString();
    case TValueTag::LString:
      return ReadBytes(ReadLittleEndian(4));
    case TValueTag::WString: {
      const std::u16string utf16 = ReadUtf16(ReadLittleEndian(4));
      if (!Utf16ToUtf8(utf16)) throw EStreamError::InvalidPropertyValue();
      return codePage.FromUtf16(utf16);
    }
    case TValueTag::Utf8String: {
      const auto utf16 = Utf8ToUtf16(ReadBytes(ReadLittleEndian(4)));
      if (!utf16) throw EStreamError::InvalidPropertyValue();
      return codePage.FromUtf16(*utf16);
    }
    default:
      throw EStreamError::InvalidPropertyValue();
  }
}

std::uint8_t TStreamReader::PeekByte() {
  FillIfEmpty();
  return buffer_[position_];
}

std::uint8_t TStreamReader::ReadByte() {
  const std::uint8_t value = PeekByte();
  ++position_;
  return value;
}

std::uint32_t TStreamReader::ReadLittleEndian(std::size_t byteCount) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < byteCount; ++i) value |= static_cast<std::uint32_t>(ReadByte()) << (8 * i);
  return value;
}

std::string TStreamReader::ReadBytes(std::uint64_t count) {
  std::string bytes;
  while (count > 0) {
    FillIfEmpty();
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(count, end_ - position_));
    bytes.append(reinterpret_cast<const char*>(buffer_.data() + position_), take);
    position_ += take;
    count -= take;
  }
  return bytes;
}

std::u16string TStreamReader::ReadUtf16(std::uint32_t unitCount) {
  const std::string bytes = ReadBytes(std::uint64_t{unitCount} * 2);
  std::u16string units(unitCount, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                     static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return units;
}

void TStreamReader::FillIfEmpty() {
  if (position_ < end_) return;
  // Both reset first: if the source throws, nothing is left to give back.
  position_ = end_ = 0;
  end_ = std::min(source_.Read(buffer_), buffer_.size());
  if (end_ == 0) throw EStreamError::StreamReadError();
}

}  // namespace zarnel::stream
