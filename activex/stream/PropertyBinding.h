#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "PropertyInfo.h"
#include "StandardTypes.h"

namespace zarnel::stream {

// Builders that bind a published property to an object's getter and setter, converting the
// object's own value type (enumeration, set, unsigned colour, byte) to the ordinal the stream uses.
// The reader checks ranges and members before a setter sees a value, so each conversion is exact.

namespace binding_detail {

template <typename TOrdinal, typename TValue>
TOrdinal ToOrdinal(TValue value) {
  if constexpr (requires { value.Bits(); }) {
    return static_cast<TOrdinal>(value.Bits());
  } else {
    return static_cast<TOrdinal>(value);
  }
}

template <typename TValue, typename TOrdinal>
TValue FromOrdinal(TOrdinal ordinal) {
  if constexpr (requires { TValue::FromBits(ordinal); }) {
    return TValue::FromBits(ordinal);
  } else {
    return static_cast<TValue>(ordinal);
  }
}

template <typename TProperty, typename TType, typename TObject, typename TValue>
TPropertyInfo BindOrdinal(std::string_view name, const TType& type, TObject& object, TValue (TObject::*get)() const,
                          void (TObject::*set)(TValue), std::optional<TValue> defaultValue) {
  using TOrdinal = typename TProperty::TOrdinal;
  std::optional<TOrdinal> ordinalDefault;
  if (defaultValue) ordinalDefault = ToOrdinal<TOrdinal>(*defaultValue);
  return {name,
          TProperty{&type, [&object, get] { return ToOrdinal<TOrdinal>((object.*get)()); },
                    [&object, set](TOrdinal ordinal) { (object.*set)(FromOrdinal<TValue>(ordinal)); }, ordinalDefault},
          {}};
}

}  // namespace binding_detail

template <typename TObject, typename TValue>
TPropertyInfo IntegerProperty(std::string_view name, const TIntegerType& type, TObject& object,
                              TValue (TObject::*get)() const, void (TObject::*set)(TValue),
                              std::optional<std::type_identity_t<TValue>> defaultValue = std::nullopt) {
  return binding_detail::BindOrdinal<TIntegerProperty>(name, type, object, get, set, defaultValue);
}

template <typename TObject, typename TValue>
TPropertyInfo EnumProperty(std::string_view name, const TEnumType& type, TObject& object,
                           TValue (TObject::*get)() const, void (TObject::*set)(TValue),
                           std::optional<std::type_identity_t<TValue>> defaultValue = std::nullopt) {
  return binding_detail::BindOrdinal<TEnumProperty>(name, type, object, get, set, defaultValue);
}

template <typename TObject>
TPropertyInfo BooleanProperty(std::string_view name, TObject& object, bool (TObject::*get)() const,
                              void (TObject::*set)(bool), std::optional<bool> defaultValue = std::nullopt) {
  return EnumProperty(name, BooleanType, object, get, set, defaultValue);
}

template <typename TObject, typename TValue>
TPropertyInfo SetProperty(std::string_view name, const TSetType& type, TObject& object, TValue (TObject::*get)() const,
                          void (TObject::*set)(TValue),
                          std::optional<std::type_identity_t<TValue>> defaultValue = std::nullopt) {
  return binding_detail::BindOrdinal<TSetProperty>(name, type, object, get, set, defaultValue);
}

// The getter may hand out the text by value or by reference.
template <typename TObject, typename TText>
TPropertyInfo StringProperty(std::string_view name, TObject& object, TText (TObject::*get)() const,
                             void (TObject::*set)(const std::string&)) {
  return {name,
          TStringProperty{[&object, get] { return (object.*get)(); },
                          [&object, set](const std::string& text) { (object.*set)(text); }},
          {}};
}

// The getter may hand out the bytes by value or by reference.
template <typename TObject, typename TBytes>
TPropertyInfo BinaryProperty(std::string_view name, TObject& object, TBytes (TObject::*get)() const,
                             void (TObject::*set)(const std::vector<std::uint8_t>&)) {
  return {name,
          TBinaryProperty{[&object, get] { return (object.*get)(); },
                          [&object, set](const std::vector<std::uint8_t>& bytes) { (object.*set)(bytes); }},
          {}};
}

inline TPropertyInfo ObjectProperty(std::string_view name, std::function<TPropertyTable()> get) {
  return {name, TObjectProperty{std::move(get)}, {}};
}

// Stored only while `isStored` answers true.
inline TPropertyInfo StoredWhen(TPropertyInfo property, std::function<bool()> isStored) {
  property.isStored = std::move(isStored);
  return property;
}

}  // namespace zarnel::stream
