#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "PropertyInfo.h"
#include "StandardTypes.h"

namespace zarnel::stream {

// Builders that bind a published property to an object: to its getter and setter (members of the
// object's class or of a base class), or to a field of a plain settings record. Values travel as the
// stream's ordinal (int32 for integers and enumerations, the bits for sets) and are converted to the
// object's own type on the way in: an integer is stored at the width of the setter's parameter or of
// the field, exactly as a write of that value in code would store it (300 into a byte stores 44).
// The reader checks enumeration and set members before a setter sees them.

namespace binding_detail {

template <typename TProperty, typename TType, typename TValue, typename TGet, typename TSet>
TPropertyInfo Bind(std::string_view name, const TType& type, TGet get, TSet set, std::optional<TValue> defaultValue) {
  using TOrdinal = typename TProperty::TOrdinal;
  std::optional<TOrdinal> ordinalDefault;
  if (defaultValue) ordinalDefault = static_cast<TOrdinal>(*defaultValue);
  return {
      name,
      TProperty{&type, [get] { return static_cast<TOrdinal>(get()); }, [set](TOrdinal o) { set(o); }, ordinalDefault},
      {}};
}

// The property kind each type describes (declarations for decltype only).
TIntegerProperty PropertyOf(const TIntegerType&);
TEnumProperty PropertyOf(const TEnumType&);
TSetProperty PropertyOf(const TSetType&);

template <typename TType, typename TObject, typename TGetOwner, typename TValue, typename TSetOwner, typename TArg>
TPropertyInfo Bound(std::string_view name, const TType& type, TObject& object, TValue (TGetOwner::*get)() const,
                    void (TSetOwner::*set)(TArg),
                    std::optional<std::type_identity_t<TValue>> defaultValue = std::nullopt) {
  return Bind<decltype(PropertyOf(type))>(
      name, type, [&object, get] { return (object.*get)(); },
      [&object, set](auto ordinal) { (object.*set)(static_cast<std::remove_cvref_t<TArg>>(ordinal)); }, defaultValue);
}

// A field's type is copyable; a member function's type (which `TValue TRecord::*` also matches) is not.
template <typename TType, typename TRecord, std::copyable TValue>
TPropertyInfo Bound(std::string_view name, const TType& type, TRecord& record, TValue TRecord::*field,
                    std::optional<std::type_identity_t<TValue>> defaultValue = std::nullopt) {
  return Bind<decltype(PropertyOf(type))>(
      name, type, [&record, field] { return record.*field; },
      [&record, field](auto ordinal) { record.*field = static_cast<TValue>(ordinal); }, defaultValue);
}

// Builds the property of the kind `type` describes, from the binding Bound takes: the object, its
// getter and its setter, or the record and its field; then, optionally, the default.
template <typename TType>
struct TOrdinalBuilder {
  template <typename... TBinding>
  TPropertyInfo operator()(std::string_view name, const TType& type, TBinding&&... binding) const {
    return Bound(name, type, std::forward<TBinding>(binding)...);
  }
};

}  // namespace binding_detail

inline constexpr binding_detail::TOrdinalBuilder<TIntegerType> IntegerProperty;
inline constexpr binding_detail::TOrdinalBuilder<TEnumType> EnumProperty;
inline constexpr binding_detail::TOrdinalBuilder<TSetType> SetProperty;

template <typename... TBinding>
TPropertyInfo BooleanProperty(std::string_view name, TBinding&&... binding) {
  return EnumProperty(name, BooleanType, std::forward<TBinding>(binding)...);
}

// The getter may hand out the text by value or by reference.
template <typename TObject, typename TGetOwner, typename TText, typename TSetOwner>
TPropertyInfo StringProperty(std::string_view name, TObject& object, TText (TGetOwner::*get)() const,
                             void (TSetOwner::*set)(const std::string&)) {
  return {name,
          TStringProperty{[&object, get] { return std::string((object.*get)()); },
                          [&object, set](const std::string& text) { (object.*set)(text); }},
          {}};
}

template <typename TRecord>
TPropertyInfo StringProperty(std::string_view name, TRecord& record, std::string TRecord::*field) {
  return {name,
          TStringProperty{[&record, field] { return record.*field; },
                          [&record, field](const std::string& text) { record.*field = text; }},
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

// An event hook: a member that holds a callable or nothing. It is never written; reading nil clears it.
template <typename TObject, typename THookOwner, typename THook>
TPropertyInfo EventProperty(std::string_view name, TObject& object, THook THookOwner::*hook) {
  return {name,
          TEventProperty{[&object, hook] { return static_cast<bool>(object.*hook); },
                         [&object, hook] { object.*hook = nullptr; }},
          {}};
}

// Stored only while `isStored` answers true.
inline TPropertyInfo StoredWhen(TPropertyInfo property, std::function<bool()> isStored) {
  property.isStored = std::move(isStored);
  return property;
}

}  // namespace zarnel::stream
