#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "IdentTable.h"

namespace zarnel::stream {

// Integer types: for some, names of particular values. A value of any integer tag reaches the
// setter as a 32-bit integer, which stores it at the property's own width as any write does.
struct TIntegerType {
  const TIdentTable* idents = nullptr;
};

// Member names by ordinal; booleans are the enumeration False, True.
struct TEnumType {
  std::span<const std::string_view> members;
};

// Member names by ordinal; a value holds bit n for member n, so a set type has at most 32 members.
struct TSetType {
  std::span<const std::string_view> members;
};

class TPropertyTable;

// An empty getter or setter means no read or write access. Without a default the property is
// written whatever its value.
template <typename TType, typename TValue>
struct TOrdinalProperty {
  using TOrdinal = TValue;

  const TType* type;
  std::function<TValue()> get;
  std::function<void(TValue)> set;
  std::optional<TValue> defaultValue;
};

using TIntegerProperty = TOrdinalProperty<TIntegerType, std::int32_t>;
using TEnumProperty = TOrdinalProperty<TEnumType, int>;
using TSetProperty = TOrdinalProperty<TSetType, std::uint32_t>;

// 8-bit text in the system code page; the empty text is its default.
struct TStringProperty {
  std::function<std::string()> get;
  std::function<void(const std::string&)> set;
};

// Bytes the object stores as it likes (a picture's file, say); nothing is written while empty.
struct TBinaryProperty {
  std::function<std::vector<std::uint8_t>()> get;
  std::function<void(const std::vector<std::uint8_t>&)> set;
};

// A nested object, reached through dotted names ("Font.Height"); it cannot take a value itself.
struct TObjectProperty {
  std::function<TPropertyTable()> get;
};

// A method reference. Streams can only name published methods, which the components here do not
// have: hooks are never written, and reading one can only clear it.
struct TEventProperty {
  std::function<bool()> isAssigned;
  std::function<void()> clear;
};

struct TPropertyInfo {
  std::string_view name;
  std::variant<TIntegerProperty, TEnumProperty, TSetProperty, TStringProperty, TBinaryProperty, TObjectProperty,
               TEventProperty>
      access;
  // When present and false, the property is not written, whatever its value.
  std::function<bool()> isStored;

  bool CanRead() const noexcept;
  bool CanWrite() const noexcept;
};

// The published properties of one object in stream order, bound to that object.
class TPropertyTable {
 public:
  explicit TPropertyTable(std::vector<TPropertyInfo> properties) noexcept;

  const TPropertyInfo* Find(std::string_view name) const noexcept;
  auto begin() const noexcept { return FProperties.begin(); }
  auto end() const noexcept { return FProperties.end(); }

 private:
  std::vector<TPropertyInfo> FProperties;
};

}  // namespace zarnel::stream
