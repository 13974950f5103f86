#include "PropertyValueReader.h"

#include <algorithm>

#include "AsciiText.h"
#include "Overloaded.h"
#include "StreamError.h"

namespace zarnel::stream {

namespace {

// Any integer tag, whatever the property's width: the setter stores the value at its own width. A
// name must be one of the type's; its value is one the property can hold.
std::int32_t ReadIntegerValue(TStreamReader& reader, const TIntegerType& type) {
  const TValueTag tag = reader.ReadTag();
  if (tag != TValueTag::Ident || !type.idents) return reader.ReadInteger(tag);
  const auto named = type.idents->ValueOf(reader.ReadShortString());
  if (!named) throw EStreamError::InvalidPropertyValue();
  return *named;
}

// A name that is no member is rejected rather than stored as an out-of-range ordinal, which
// tables indexed by the ordinal (the bevel styles, for one) could not survive.
int MemberOrdinal(std::span<const std::string_view> members, std::string_view name) {
  const auto found = std::ranges::find_if(members, [name](std::string_view member) { return SameText(member, name); });
  if (found == members.end()) throw EStreamError::InvalidPropertyValue();
  return static_cast<int>(found - members.begin());
}

std::uint32_t ReadSetValue(TStreamReader& reader, const TSetType& type) {
  if (reader.ReadTag() != TValueTag::Set) throw EStreamError::InvalidPropertyValue();
  std::uint32_t bits = 0;
  for (std::string name = reader.ReadShortString(); !name.empty(); name = reader.ReadShortString()) {
    bits |= std::uint32_t{1} << MemberOrdinal(type.members, name);
  }
  return bits;
}

}  // namespace

void ReadPropertyValue(TStreamReader& reader, const TPropertyInfo& property, const ICodePage& codePage) {
  std::visit(
      TOverloaded{
          [&](const TIntegerProperty& p) { p.set(ReadIntegerValue(reader, *p.type)); },
          [&](const TEnumProperty& p) { p.set(MemberOrdinal(p.type->members, reader.ReadIdent(reader.ReadTag()))); },
          [&](const TSetProperty& p) { p.set(ReadSetValue(reader, *p.type)); },
          [&](const TStringProperty& p) { p.set(reader.ReadString(reader.ReadTag(), codePage)); },
          [&](const TBinaryProperty& p) { p.set(reader.ReadBinary(reader.ReadTag())); },
          [](const TObjectProperty&) { throw EStreamError::InvalidPropertyValue(); },
          // An identifier would name a published method, and there are none to name.
          [&](const TEventProperty& p) {
            if (reader.ReadTag() != TValueTag::Nil) throw EStreamError::InvalidPropertyValue();
            p.clear();
          },
      },
      property.access);
}

}  // namespace zarnel::stream
