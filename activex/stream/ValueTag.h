#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zarnel::stream {

// Leading byte of every value in a component stream.
enum class TValueTag : std::uint8_t {
  Null = 0,  // also the end of a list
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,
  Int64 = 19,
  Utf8String = 20,
};

struct TSpecialIdent {
  TValueTag tag;
  std::string_view name;
};

// Identifiers that the format stores as a bare tag instead of a name.
inline constexpr std::array<TSpecialIdent, 4> SpecialIdents{{
    {TValueTag::False, "False"},
    {TValueTag::True, "True"},
    {TValueTag::Null, "Null"},
    {TValueTag::Nil, "nil"},
}};

}  // namespace zarnel::stream
