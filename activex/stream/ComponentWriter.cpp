#include "ComponentWriter.h"

#include <string>
#include <vector>

#include "Overloaded.h"
#include "StreamError.h"
#include "StreamWriter.h"

namespace zarnel::stream {

namespace {

void WriteIntegerValue(TStreamWriter& writer, const TIntegerType& type, std::int32_t value) {
  if (type.idents) {
    if (const auto name = type.idents->NameOf(value)) {
      writer.WriteIdent(*name);
      return;
    }
  }
  writer.WriteInteger(value);
}

// An ordinal outside the members cannot be named, so it cannot be written either.
void WriteEnumValue(TStreamWriter& writer, const TEnumType& type, int ordinal) {
  if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= type.members.size())
    throw EStreamError::InvalidPropertyValue();
  writer.WriteIdent(type.members[static_cast<std::size_t>(ordinal)]);
}

void WriteSetValue(TStreamWriter& writer, const TSetType& type, std::uint32_t bits) {
  std::vector<std::string_view> members;
  for (std::size_t ordinal = 0; ordinal < type.members.size(); ++ordinal) {
    if ((bits >> ordinal) & 1u) members.push_back(type.members[ordinal]);
  }
  writer.WriteSet(members);
}

template <typename TProperty, typename TWriteValue>
void WriteUnlessDefault(TStreamWriter& writer, std::string_view name, const TProperty& property,
                        TWriteValue writeValue) {
  const auto value = property.get();
  if (property.defaultValue == value) return;
  writer.WriteShortString(name);
  writeValue(value);
}

void WriteProperties(TStreamWriter& writer, const TPropertyTable& properties, const std::string& prefix,
                     const ICodePage& codePage) {
  for (const TPropertyInfo& property : properties) {
    if ((property.isStored && !property.isStored()) || !property.CanRead()) continue;
    const std::string name = prefix + std::string(property.name);
    std::visit(TOverloaded{
                   [&](const TIntegerProperty& p) {
                     WriteUnlessDefault(writer, name, p,
                                        [&](std::int32_t v) { WriteIntegerValue(writer, *p.type, v); });
                   },
                   [&](const TEnumProperty& p) {
                     WriteUnlessDefault(writer, name, p, [&](int v) { WriteEnumValue(writer, *p.type, v); });
                   },
                   [&](const TSetProperty& p) {
                     WriteUnlessDefault(writer, name, p, [&](std::uint32_t v) { WriteSetValue(writer, *p.type, v); });
                   },
                   [&](const TStringProperty& p) {
                     const std::string text = p.get();
                     if (text.empty()) return;
                     writer.WriteShortString(name);
                     writer.WriteString(text, codePage);
                   },
                   [&](const TBinaryProperty& p) {
                     const std::vector<std::uint8_t> bytes = p.get();
                     if (bytes.empty()) return;
                     writer.WriteShortString(name);
                     writer.WriteBinary(bytes);
                   },
                   [&](const TObjectProperty& p) { WriteProperties(writer, p.get(), name + ".", codePage); },
                   [](const TEventProperty&) {},
               },
               property.access);
  }
}

}  // namespace

void WriteComponentStream(IByteSink& sink, TStreamComponent& component, const ICodePage& codePage) {
  TStreamWriter writer(sink);
  writer.WriteSignature();
  writer.WriteShortString(component.ClassName());
  writer.WriteShortString(component.Name());
  WriteProperties(writer, component.PublishedProperties(), {}, codePage);
  writer.WriteListEnd();  // properties
  writer.WriteListEnd();  // child components
  writer.Flush();
}

}  // namespace zarnel::stream
