#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarnel::stream {

enum class TTokenKind { Name, Number, String, Binary, Symbol, EndOfText };

struct TToken {
  TTokenKind kind = TTokenKind::EndOfText;
  int line = 1;
  // Names (dots included), numbers (suffix included) and symbols as written.
  std::string text;
  // The code units of a string: quoted runs and #codes written next to each other.
  std::u16string characters;
  // The bytes of {hex} data.
  std::vector<std::uint8_t> bytes;

  bool IsSymbol(char symbol) const noexcept;
  // A name equal to `word` but for the case of its letters.
  bool IsWord(std::string_view word) const noexcept;
  // The token as an error message names it: "'Caption'", "a string", "end of text".
  std::string Describe() const;
};

// Splits the text of a component into tokens, one token ahead of the parser. Spaces, tabs and
// line ends separate tokens; malformed tokens throw ETextError with their line.
class TTextLexer {
 public:
  explicit TTextLexer(std::string_view text);

  const TToken& Peek() const noexcept { return FNext; }
  TToken Next();

 private:
  TToken Lex();
  void SkipSpace() noexcept;
  char At(std::size_t offset) const noexcept;
  std::string TakeWhile(bool (*accept)(char));
  void LexName(TToken& token);
  void LexNumber(TToken& token);
  void LexString(TToken& token);
  void AppendQuoted(std::u16string& characters);
  void AppendCode(std::u16string& characters);
  void LexBinary(TToken& token);
  [[noreturn]] void Fail(const std::string& message) const;

  std::string_view FText;
  std::size_t FPosition = 0;
  int FLine = 1;
  // Where the last token ended: the line an unexpected end of text is reported on.
  int FLastTokenLine = 1;
  TToken FNext;
};

}  // namespace zarnel::stream
