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
    bytes_.insert(bytes_.end(), values);
    return *this;
  }
  TStreamBytes& Chars(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
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
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    return *this;
  }
  // End of properties and end of children.
  TStreamBytes& End() { return Raw({0x00, 0x00}); }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  std::vector<std::uint8_t> bytes_;
};

inline bool Contains(const std::vector<std::uint8_t>& haystack, const TStreamBytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.Bytes().begin(), needle.Bytes().end()) != haystack.end();
}

}  // namespace zarnel::stream::testing
