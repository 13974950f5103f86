#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace zarnel::stream::testing {

// Spells out expected stream bytes the way the format describes them.
class TStreamBytes {
 public:
  TStreamBytes& Raw(std::initializer_list<std::uint8_t> values) {
    FBytes.insert(FBytes.end(), values);
    return *this;
  }
  TStreamBytes& Chars(std::string_view text) {
    FBytes.insert(FBytes.end(), text.begin(), text.end());
    return *this;
  }
  // Length byte, then the characters.
  TStreamBytes& Short(std::string_view text) {
    Raw({static_cast<std::uint8_t>(text.size())});
    return Chars(text);
  }
  TStreamBytes& Header(std::string_view className, std::string_view name = {}) {
    Chars("TPF0");
    Short(className);
    return Short(name);
  }
  TStreamBytes& Ident(std::string_view name) {
    Raw({0x07});
    return Short(name);
  }
  TStreamBytes& Append(const TStreamBytes& other) {
    FBytes.insert(FBytes.end(), other.FBytes.begin(), other.FBytes.end());
    return *this;
  }
  // End of properties and end of children.
  TStreamBytes& End() { return Raw({0x00, 0x00}); }

  const std::vector<std::uint8_t>& Bytes() const { return FBytes; }
  std::size_t Size() const { return FBytes.size(); }

 private:
  std::vector<std::uint8_t> FBytes;
};

inline bool Contains(const std::vector<std::uint8_t>& haystack, const TStreamBytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.Bytes().begin(), needle.Bytes().end()) != haystack.end();
}

}  // namespace zarnel::stream::testing
