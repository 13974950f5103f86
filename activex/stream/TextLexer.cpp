#include "TextLexer.h"

#include <string_view>

#include "AsciiText.h"
#include "TextError.h"
#include "TextNames.h"
#include "Unicode.h"

namespace zarnel::stream {

namespace {

constexpr std::string_view Symbols = "=:[](),<>+";
constexpr std::size_t MaxCodeDigits = 5;
constexpr unsigned long LargestCode = 0xFFFF;

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

int HexValue(char c) noexcept {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsNumberPart(char c) noexcept { return IsIdentPart(c) || c == '.'; }

bool IsFloatSuffix(char c) noexcept { return c == 's' || c == 'c' || c == 'd'; }

// -?digits(.digits)?([eE][-+]?digits)? with an optional float suffix.
bool IsNumberShape(std::string_view text) noexcept {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > start;
  };
  if (i < text.size() && text[i] == '-') ++i;
  if (!digits()) return false;
  if (i < text.size() && text[i] == '.' && (++i, !digits())) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (!digits()) return false;
  }
  if (i < text.size() && IsFloatSuffix(text[i])) ++i;
  return i == text.size();
}

// Printable ASCII as itself in quotes, anything else as its byte value.
std::string DescribeChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 32 && byte <= 126) return std::string("'") + c + "'";
  return "#" + std::to_string(byte);
}

}  // namespace

bool TToken::IsSymbol(char symbol) const noexcept {
  return kind == TTokenKind::Symbol && text.size() == 1 && text[0] == symbol;
}

bool TToken::IsWord(std::string_view word) const noexcept { return kind == TTokenKind::Name && SameText(text, word); }

std::string TToken::Describe() const {
  switch (kind) {
    case TTokenKind::String:
      return "a string";
    case TTokenKind::Binary:
      return "binary data";
    case TTokenKind::EndOfText:
      return "end of text";
    default:
      return "'" + text + "'";
  }
}

TTextLexer::TTextLexer(std::string_view text) : FText(text) { FNext = Lex(); }

TToken TTextLexer::Next() {
  TToken current = std::move(FNext);
  FNext = Lex();
  return current;
}

TToken TTextLexer::Lex() {
  SkipSpace();
  TToken token;
  token.line = FLine;
  if (FPosition == FText.size()) {
    token.line = FLastTokenLine;
    return token;
  }
  const char c = FText[FPosition];
  if (IsIdentStart(c)) {
    LexName(token);
  } else if (IsDigit(c) || (c == '-' && IsDigit(At(1)))) {
    LexNumber(token);
  } else if (c == '\'' || c == '#') {
    LexString(token);
  } else if (c == '{') {
    LexBinary(token);
  } else if (Symbols.find(c) != std::string_view::npos) {
    token.kind = TTokenKind::Symbol;
    token.text = FText.substr(FPosition++, 1);
  } else {
    Fail("unexpected character " + DescribeChar(c));
  }
  FLastTokenLine = FLine;
  return token;
}

void TTextLexer::SkipSpace() noexcept {
  for (; FPosition < FText.size(); ++FPosition) {
    const char c = FText[FPosition];
    if (c == '\n') {
      ++FLine;
    } else if (c != ' ' && c != '\t' && c != '\r') {
      return;
    }
  }
}

char TTextLexer::At(std::size_t offset) const noexcept {
  return FPosition + offset < FText.size() ? FText[FPosition + offset] : '\0';
}

std::string TTextLexer::TakeWhile(bool (*accept)(char)) {
  const std::size_t start = FPosition;
  while (FPosition < FText.size() && accept(FText[FPosition])) ++FPosition;
  return std::string(FText.substr(start, FPosition - start));
}

// Identifiers joined by dots; a dot not followed by an identifier is left for the next token.
void TTextLexer::LexName(TToken& token) {
  token.kind = TTokenKind::Name;
  token.text = TakeWhile(IsIdentPart);
  while (At(0) == '.' && IsIdentStart(At(1))) {
    ++FPosition;
    token.text += "." + TakeWhile(IsIdentPart);
  }
}

// Letters, digits and dots run on to the end of the number, and a sign right after an exponent
// mark, so that "12a" or "1.5.2" is rejected whole rather than split into several tokens.
void TTextLexer::LexNumber(TToken& token) {
  token.kind = TTokenKind::Number;
  token.text = FText.substr(FPosition++, 1);
  while (FPosition < FText.size()) {
    const char c = FText[FPosition];
    const bool exponentSign = (c == '-' || c == '+') && (token.text.back() == 'e' || token.text.back() == 'E');
    if (!IsNumberPart(c) && !exponentSign) break;
    token.text += c;
    ++FPosition;
  }
  if (!IsNumberShape(token.text)) Fail("bad number '" + token.text + "'");
}

void TTextLexer::LexString(TToken& token) {
  token.kind = TTokenKind::String;
  while (At(0) == '\'' || At(0) == '#') {
    if (At(0) == '\'') {
      AppendQuoted(token.characters);
    } else {
      AppendCode(token.characters);
    }
  }
}

// Between quotes, '' stands for a quote; the other bytes are UTF-8 and cannot include a line end.
void TTextLexer::AppendQuoted(std::u16string& characters) {
  std::string utf8;
  for (++FPosition;; ++FPosition) {
    const char c = At(0);
    if (FPosition == FText.size() || c == '\n' || c == '\r') Fail("unterminated string");
    if (c == '\'') {
      if (At(1) != '\'') break;
      ++FPosition;
    }
    utf8 += c;
  }
  ++FPosition;
  const auto utf16 = Utf8ToUtf16(utf8);
  if (!utf16) Fail("malformed UTF-8 in string");
  characters += *utf16;
}

// # and the decimal value of one UTF-16 code unit.
void TTextLexer::AppendCode(std::u16string& characters) {
  ++FPosition;
  const std::string digits = TakeWhile(IsDigit);
  const unsigned long code = digits.empty() || digits.size() > MaxCodeDigits ? LargestCode + 1 : std::stoul(digits);
  if (code > LargestCode) Fail("bad character code '#" + digits + "'");
  characters += static_cast<char16_t>(code);
}

// Pairs of hex digits; spaces and line ends may come between any two digits.
void TTextLexer::LexBinary(TToken& token) {
  token.kind = TTokenKind::Binary;
  int high = -1;
  for (++FPosition;; ++FPosition) {
    SkipSpace();
    if (FPosition == FText.size()) Fail("missing '}' after binary data");
    const char c = FText[FPosition];
    if (c == '}') break;
    const int nibble = HexValue(c);
    if (nibble < 0) Fail("bad hex digit " + DescribeChar(c) + " in binary data");
    if (high < 0) {
      high = nibble;
    } else {
      token.bytes.push_back(static_cast<std::uint8_t>(high << 4 | nibble));
      high = -1;
    }
  }
  if (high >= 0) Fail("odd number of hex digits in binary data");
  ++FPosition;
}

void TTextLexer::Fail(const std::string& message) const { throw ETextError(FLine, message); }

}  // namespace zarnel::stream
