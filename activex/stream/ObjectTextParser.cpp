// ObjectTextToBinary: a recursive descent over the tokens of TTextLexer, writing as it goes.
#include <charconv>
#include <optional>
#include <vector>

#include "ComponentReader.h"
#include "FloatText.h"
#include "ObjectText.h"
#include "StreamWriter.h"
#include "TextLexer.h"
#include "TextNames.h"

namespace zarnel::stream {

namespace {

constexpr std::size_t MaxNameLength = 255;

enum class TValueSite { Property, ListItem };

bool IsPropertyName(const TToken& token) noexcept {
  return token.kind == TTokenKind::Name && !IsComponentKeyword(token.text);
}

bool StartsComponent(const TToken& token) noexcept {
  return token.kind == TTokenKind::Name && OpensComponent(token.text);
}

[[noreturn]] void Fail(const TToken& token, const std::string& message) { throw ETextError(token.line, message); }

[[noreturn]] void FailOutOfRange(const TToken& token) { Fail(token, "number '" + token.text + "' out of range"); }

template <typename TValue>
TValue InRange(const TToken& token, std::optional<TValue> value) {
  if (!value) FailOutOfRange(token);
  return *value;
}

template <typename TInteger>
TInteger WholeNumber(const TToken& token, std::string_view digits) {
  TInteger value{};
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc{}) FailOutOfRange(token);
  return value;
}

// A number token without fraction, exponent or suffix.
bool IsPlainInteger(std::string_view number) noexcept {
  return number.find_first_not_of("-0123456789") == std::string_view::npos;
}

class TObjectTextParser {
 public:
  TObjectTextParser(std::string_view text, IByteSink& sink) : FLexer(text), FWriter(sink) {}

  void ParseText() {
    FWriter.WriteSignature();
    ParseComponent(0);
    const TToken& after = FLexer.Peek();
    if (after.kind != TTokenKind::EndOfText) {
      Fail(after, "expected end of text after the final 'end', found " + after.Describe());
    }
    FWriter.Flush();
  }

 private:
  // `nesting` counts the levels below the root component.
  void ParseComponent(unsigned nesting) {
    const TToken keyword = FLexer.Next();
    if (!StartsComponent(keyword)) {
      Fail(keyword, "expected 'object', 'inherited' or 'inline', found " + keyword.Describe());
    }
    if (nesting > MaxChildNesting) {
      Fail(keyword, "objects nested deeper than " + std::to_string(MaxChildNesting) + " levels");
    }
    TFlagPrefix flags;
    flags.inherited = keyword.IsWord("inherited");
    flags.inlined = keyword.IsWord("inline");
    TToken className = ExpectName("expected a component or class name, found ");
    std::string name;
    if (FLexer.Peek().IsSymbol(':')) {
      FLexer.Next();
      name = className.text;
      if (!IsIdentifier(name)) Fail(className, "'" + name + "' is not a valid component name");
      className = ExpectName("expected a class name after ':', found ");
    }
    if (!IsIdentifier(className.text)) Fail(className, "'" + className.text + "' is not a valid class name");
    if (FLexer.Peek().IsSymbol('[')) {
      FLexer.Next();
      flags.childPosition = ExpectInteger();
      Expect(']', "expected ']' after the child position, found ");
    }
    FWriter.WriteComponentHeader(flags, className.text, name);

    while (IsPropertyName(FLexer.Peek())) ParseProperty(0);
    FWriter.WriteListEnd();
    bool hasChildren = false;
    for (; StartsComponent(FLexer.Peek()); hasChildren = true) ParseComponent(nesting + 1);
    FWriter.WriteListEnd();
    const TToken end = FLexer.Next();
    if (!end.IsWord("end")) {
      Fail(end,
           (hasChildren ? "expected 'object' or 'end', found " : "expected a property, 'object' or 'end', found ") +
               end.Describe());
    }
  }

  void ParseProperty(unsigned valueNesting) {
    FWriter.WriteShortString(CheckedName(FLexer.Next()));
    Expect('=', "expected '=' after property name, found ");
    ParseValue(valueNesting, TValueSite::Property);
  }

  void ParseValue(unsigned nesting, TValueSite site) {
    const TToken token = FLexer.Next();
    switch (token.kind) {
      case TTokenKind::Number:
        return WriteNumber(token);
      case TTokenKind::String:
        return WriteString(token);
      case TTokenKind::Binary:
        return FWriter.WriteBinary(token.bytes);
      case TTokenKind::Name:
        if (site == TValueSite::ListItem && token.IsWord("Null")) Fail(token, "Null cannot be a list item");
        return FWriter.WriteIdent(CheckedName(token));
      default:
        break;
    }
    if (token.IsSymbol('[')) return ParseSet();
    if (token.IsSymbol('(')) return ParseList(token, nesting + 1);
    if (token.IsSymbol('<')) return ParseCollection(token, nesting + 1);
    Fail(token, (site == TValueSite::ListItem ? "expected a value or ')', found " : "expected a value, found ") +
                    token.Describe());
  }

  void WriteNumber(const TToken& token) {
    std::string_view number = token.text;
    const char suffix = number.back();
    if (suffix == 's' || suffix == 'c' || suffix == 'd') number.remove_suffix(1);
    switch (suffix) {
      case 's':
        return FWriter.WriteSingle(InRange(token, ParseSingle(number)));
      case 'd':
        return FWriter.WriteDate(InRange(token, ParseDouble(number)));
      case 'c':
        if (!IsPlainInteger(number))
          Fail(token, "currency '" + token.text + "' is not a whole number of ten-thousandths");
        return FWriter.WriteCurrency(WholeNumber<std::int64_t>(token, number));
      default:
        if (IsPlainInteger(number)) return FWriter.WriteInteger(WholeNumber<std::int64_t>(token, number));
        return FWriter.WriteExtended(InRange(token, ParseExtended(number)));
    }
  }

  // Pieces joined by '+' make one string; a surrogate pair may be cut between two pieces, and a
  // surrogate without its partner stays as it is, as a stream may hold it.
  void WriteString(const TToken& token) {
    std::u16string characters = token.characters;
    while (FLexer.Peek().IsSymbol('+')) {
      FLexer.Next();
      const TToken piece = FLexer.Next();
      if (piece.kind != TTokenKind::String) Fail(piece, "expected a string after '+', found " + piece.Describe());
      characters += piece.characters;
    }
    FWriter.WriteUtf16String(characters);
  }

  void ParseSet() {
    std::vector<std::string> members;
    if (FLexer.Peek().IsSymbol(']')) {
      FLexer.Next();
    } else {
      for (;;) {
        members.push_back(ExpectName("expected a set member, found ").text);
        const TToken separator = FLexer.Next();
        if (separator.IsSymbol(']')) break;
        if (!separator.IsSymbol(',')) Fail(separator, "expected ',' or ']' in a set, found " + separator.Describe());
      }
    }
    const std::vector<std::string_view> names(members.begin(), members.end());
    FWriter.WriteSet(names);
  }

  void ParseList(const TToken& open, unsigned nesting) {
    CheckValueNesting(open, nesting);
    FWriter.WriteListStart();
    while (!FLexer.Peek().IsSymbol(')')) ParseValue(nesting, TValueSite::ListItem);
    FLexer.Next();
    FWriter.WriteListEnd();
  }

  void ParseCollection(const TToken& open, unsigned nesting) {
    CheckValueNesting(open, nesting);
    FWriter.WriteCollectionStart();
    while (FLexer.Peek().IsWord("item")) {
      FLexer.Next();
      if (FLexer.Peek().IsSymbol('[')) {
        FLexer.Next();
        FWriter.WriteInteger(ExpectInteger());
        Expect(']', "expected ']' after the item's order, found ");
      }
      FWriter.WriteListStart();
      while (IsPropertyName(FLexer.Peek())) ParseProperty(nesting);
      const TToken end = FLexer.Next();
      if (!end.IsWord("end")) Fail(end, "expected a property or 'end', found " + end.Describe());
      FWriter.WriteListEnd();
    }
    Expect('>', "expected 'item' or '>', found ");
    FWriter.WriteListEnd();
  }

  void CheckValueNesting(const TToken& open, unsigned nesting) {
    if (nesting > MaxValueNesting) {
      Fail(open, "lists and collections nested deeper than " + std::to_string(MaxValueNesting) + " levels");
    }
  }

  const std::string& CheckedName(const TToken& token) {
    if (token.text.size() > MaxNameLength) {
      Fail(token, "name longer than " + std::to_string(MaxNameLength) + " characters");
    }
    return token.text;
  }

  TToken ExpectName(const std::string& expectation) {
    TToken token = FLexer.Next();
    if (token.kind != TTokenKind::Name) Fail(token, expectation + token.Describe());
    CheckedName(token);
    return token;
  }

  std::int32_t ExpectInteger() {
    const TToken token = FLexer.Next();
    if (token.kind != TTokenKind::Number || !IsPlainInteger(token.text)) {
      Fail(token, "expected an integer, found " + token.Describe());
    }
    return WholeNumber<std::int32_t>(token, token.text);
  }

  void Expect(char symbol, const std::string& expectation) {
    const TToken token = FLexer.Next();
    if (!token.IsSymbol(symbol)) Fail(token, expectation + token.Describe());
  }

  TTextLexer FLexer;
  TStreamWriter FWriter;
};

}  // namespace

void ObjectTextToBinary(std::string_view text, IByteSink& sink) { TObjectTextParser(text, sink).ParseText(); }

}  // namespace zarnel::stream
