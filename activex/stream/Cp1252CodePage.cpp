#include "Cp1252CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zarnel::stream {

namespace {

// Bytes 0x80 to 0x9F; the others are the Latin-1 code points of the same value.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsSurrogatePair(std::u16string_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
         text[i + 1] <= 0xDFFF;
}

}  // namespace

std::u16string TCp1252CodePage::ToUtf16(std::string_view text) const {
  std::u16string out;
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    out.push_back(byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80] : char16_t{byte});
  }
  return out;
}

std::string TCp1252CodePage::FromUtf16(std::u16string_view text) const {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const auto inRange = std::ranges::find(HighControlRange, unit);
    if (inRange != HighControlRange.end()) {
      out.push_back(static_cast<char>(0x80 + (inRange - HighControlRange.begin())));
    } else if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      out.push_back(static_cast<char>(unit));
    } else {
      out.push_back('?');
      if (IsSurrogatePair(text, i)) ++i;  // one '?' for the whole pair; an unpaired unit takes its own
    }
  }
  return out;
}

}  // namespace zarnel::stream
