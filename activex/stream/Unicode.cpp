#include "Unicode.h"

#include <cstdint>

namespace zarnel::stream {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit) noexcept { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) noexcept { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf16(std::u16string& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    out.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  const char32_t offset = codePoint - 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(static_cast<std::uint8_t>(value))); };
  if (codePoint < 0x80) {
    byte(codePoint);
  } else if (codePoint < 0x800) {
    byte(0xC0 | (codePoint >> 6));
    byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    byte(0xE0 | (codePoint >> 12));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  } else {
    byte(0xF0 | (codePoint >> 18));
    byte(0x80 | ((codePoint >> 12) & 0x3F));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  }
}

// A lead byte fixes the sequence length and the range allowed for the byte after it; the tighter
// ranges are what exclude overlong forms, surrogates and values above U+10FFFF.
struct TUtf8Lead {
  std::size_t continuationCount;
  char32_t initialBits;
  std::uint8_t secondMin;
  std::uint8_t secondMax;
};

std::optional<TUtf8Lead> DescribeLead(std::uint8_t lead) noexcept {
  if (lead >= 0xC2 && lead <= 0xDF) return TUtf8Lead{1, lead & 0x1Fu, 0x80, 0xBF};
  if (lead == 0xE0) return TUtf8Lead{2, 0, 0xA0, 0xBF};
  if (lead == 0xED) return TUtf8Lead{2, 0x0D, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return TUtf8Lead{2, lead & 0x0Fu, 0x80, 0xBF};
  if (lead == 0xF0) return TUtf8Lead{3, 0, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return TUtf8Lead{3, lead & 0x07u, 0x80, 0xBF};
  if (lead == 0xF4) return TUtf8Lead{3, 0x04, 0x80, 0x8F};
  return std::nullopt;
}

// One sequence from `i`: its code point, or U+FFFD for the longest start of a sequence that cannot
// be completed (a lone byte that cannot start one counts as such a start). `wellFormed` turns false
// with the first replacement.
char32_t DecodeOne(std::string_view utf8, std::size_t& i, bool& wellFormed) {
  const auto lead = static_cast<std::uint8_t>(utf8[i++]);
  if (lead < 0x80) return lead;
  const auto form = DescribeLead(lead);
  if (!form) {
    wellFormed = false;
    return ReplacementCharacter;
  }
  char32_t codePoint = form->initialBits;
  std::uint8_t min = form->secondMin;
  std::uint8_t max = form->secondMax;
  for (std::size_t k = 0; k < form->continuationCount; ++k, ++i) {
    const auto next = i < utf8.size() ? static_cast<std::uint8_t>(utf8[i]) : std::uint8_t{0};
    if (next < min || next > max) {  // also at the end: 0 is below every continuation byte
      wellFormed = false;
      return ReplacementCharacter;
    }
    codePoint = (codePoint << 6) | (next & 0x3Fu);
    min = 0x80;
    max = 0xBF;
  }
  return codePoint;
}

std::u16string DecodeUtf8(std::string_view utf8, bool& wellFormed) {
  std::u16string out;
  out.reserve(utf8.size());
  wellFormed = true;
  for (std::size_t i = 0; i < utf8.size();) AppendUtf16(out, DecodeOne(utf8, i, wellFormed));
  return out;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
  bool wellFormed = true;
  std::u16string utf16 = DecodeUtf8(utf8, wellFormed);
  if (!wellFormed) return std::nullopt;
  return utf16;
}

std::u16string Utf8ToUtf16Replacing(std::string_view utf8) {
  bool wellFormed = true;
  return DecodeUtf8(utf8, wellFormed);
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t unit = utf16[i];
    if (IsLowSurrogate(unit)) return std::nullopt;
    if (IsHighSurrogate(unit)) {
      if (i + 1 == utf16.size() || !IsLowSurrogate(utf16[i + 1])) return std::nullopt;
      unit = 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    }
    AppendUtf8(out, unit);
  }
  return out;
}

}  // namespace zarnel::stream
