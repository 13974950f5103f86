#include "StreamReader.h"

#include <algorithm>
#include <bit>
#include <span>

#include "StreamError.h"
#include "Unicode.h"

namespace zarnel::stream {

namespace {

bool IsAnsiStringTag(TValueTag tag) noexcept { return tag == TValueTag::String || tag == TValueTag::LString; }

void ExpectTag(TValueTag tag, TValueTag expected) {
  if (tag != expected) throw EStreamError::InvalidPropertyValue();
}

}  // namespace

TStreamReader::TStreamReader(IByteSource& source) noexcept : FSource(source) {}

TStreamReader::~TStreamReader() {
  if (FEnd > FPosition) FSource.GiveBack(FEnd - FPosition);
}

void TStreamReader::ReadSignature() {
  if (ReadBytes(4) != "TPF0") throw EStreamError::InvalidStreamFormat();
}

TFlagPrefix TStreamReader::ReadFlagPrefix() {
  const std::uint8_t flags = PeekByte();
  if ((flags & FlagPrefixMask) != FlagPrefixMask) return {};
  ReadByte();
  TFlagPrefix prefix;
  prefix.inherited = (flags & FlagInherited) != 0;
  prefix.inlined = (flags & FlagInline) != 0;
  if (flags & FlagChildPosition) prefix.childPosition = ReadInteger(ReadTag());
  return prefix;
}

void TStreamReader::SkipFlagPrefix() { ReadFlagPrefix(); }

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

std::int64_t TStreamReader::ReadInt64(TValueTag tag) {
  if (tag == TValueTag::Int64) return static_cast<std::int64_t>(ReadLittleEndian(8));
  return ReadInteger(tag);
}

std::string TStreamReader::ReadIdent(TValueTag tag) {
  if (tag == TValueTag::Ident) return ReadShortString();
  const auto special = std::ranges::find(SpecialIdents, tag, &TSpecialIdent::tag);
  if (special == SpecialIdents.end()) throw EStreamError::InvalidPropertyValue();
  return std::string(special->name);
}

std::string TStreamReader::ReadString(TValueTag tag, const ICodePage& codePage) {
  if (IsAnsiStringTag(tag)) return ReadAnsiString(tag);
  return codePage.FromUtf16(ReadUnicodeString(tag));
}

std::u16string TStreamReader::ReadUtf16String(TValueTag tag, const ICodePage& codePage) {
  if (IsAnsiStringTag(tag)) return codePage.ToUtf16(ReadAnsiString(tag));
  return ReadUnicodeString(tag);
}

std::vector<std::uint8_t> TStreamReader::ReadBinary(TValueTag tag) {
  ExpectTag(tag, TValueTag::Binary);
  const std::string bytes = ReadBytes(ReadLength());
  return {bytes.begin(), bytes.end()};
}

TExtended80 TStreamReader::ReadExtended(TValueTag tag) {
  ExpectTag(tag, TValueTag::Extended);
  const std::uint64_t mantissa = ReadLittleEndian(8);
  return {mantissa, static_cast<std::uint16_t>(ReadLittleEndian(2))};
}

float TStreamReader::ReadSingle(TValueTag tag) {
  ExpectTag(tag, TValueTag::Single);
  return std::bit_cast<float>(static_cast<std::uint32_t>(ReadLittleEndian(4)));
}

double TStreamReader::ReadDate(TValueTag tag) {
  ExpectTag(tag, TValueTag::Date);
  return std::bit_cast<double>(ReadLittleEndian(8));
}

std::int64_t TStreamReader::ReadCurrency(TValueTag tag) {
  ExpectTag(tag, TValueTag::Currency);
  return static_cast<std::int64_t>(ReadLittleEndian(8));
}

std::uint8_t TStreamReader::PeekByte() {
  FillIfEmpty();
  return FBuffer[FPosition];
}

std::uint8_t TStreamReader::ReadByte() {
  const std::uint8_t value = PeekByte();
  ++FPosition;
  return value;
}

std::uint64_t TStreamReader::ReadLittleEndian(std::size_t byteCount) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < byteCount; ++i) value |= static_cast<std::uint64_t>(ReadByte()) << (8 * i);
  return value;
}

std::uint32_t TStreamReader::ReadLength() { return static_cast<std::uint32_t>(ReadLittleEndian(4)); }

std::string TStreamReader::ReadBytes(std::uint64_t count) {
  std::string bytes;
  while (count > 0) {
    FillIfEmpty();
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(count, FEnd - FPosition));
    bytes.append(reinterpret_cast<const char*>(FBuffer.data() + FPosition), take);
    FPosition += take;
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

std::string TStreamReader::ReadAnsiString(TValueTag tag) {
  return tag == TValueTag::String ? ReadShortString() : ReadBytes(ReadLength());
}

std::u16string TStreamReader::ReadUnicodeString(TValueTag tag) {
  switch (tag) {
    case TValueTag::WString:
      return ReadUtf16(ReadLength());
    case TValueTag::Utf8String:
      return Utf8ToUtf16Replacing(ReadBytes(ReadLength()));
    default:
      throw EStreamError::InvalidPropertyValue();
  }
}

void TStreamReader::FillIfEmpty() {
  if (FPosition < FEnd) return;
  // Both reset first: if the source throws, nothing is left to give back.
  FPosition = FEnd = 0;
  FEnd = std::min(FSource.Read(FBuffer), FBuffer.size());
  if (FEnd == 0) throw EStreamError::StreamReadError();
}

}  // namespace zarnel::stream
