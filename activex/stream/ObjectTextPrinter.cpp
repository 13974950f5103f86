// ObjectBinaryToText: reads a component stream value by value and prints its canonical text.
#include <algorithm>
#include <vector>

#include "AsciiText.h"
#include "ComponentReader.h"
#include "FloatText.h"
#include "ObjectText.h"
#include "StreamError.h"
#include "StreamReader.h"
#include "TextNames.h"

namespace zarnel::stream {

namespace {

constexpr unsigned IndentStep = 2;
constexpr std::size_t StringPieceLength = 64;
constexpr std::size_t BinaryBytesPerLine = 32;

enum class TValueSite { Property, ListItem };

bool IsStringTag(TValueTag tag) noexcept {
  return tag == TValueTag::String || tag == TValueTag::LString || tag == TValueTag::WString ||
         tag == TValueTag::Utf8String;
}

bool IsSmallIntegerTag(TValueTag tag) noexcept {
  return tag == TValueTag::Int8 || tag == TValueTag::Int16 || tag == TValueTag::Int32;
}

std::string FloatText(const std::optional<std::string>& text) {
  if (!text) throw EStreamError::InvalidPropertyValue();
  return *text;
}

// Printable ASCII between quotes, a quote doubled; any other code unit as #n.
std::string Quoted(std::u16string_view characters) {
  if (characters.empty()) return "''";
  std::string text;
  bool quoting = false;
  for (const char16_t unit : characters) {
    const bool printable = unit >= 32 && unit <= 126;
    if (printable != quoting) {
      text += '\'';
      quoting = printable;
    }
    if (!printable) {
      text += "#" + std::to_string(unit);
    } else {
      text += static_cast<char>(unit);
      if (unit == u'\'') text += '\'';
    }
  }
  if (quoting) text += '\'';
  return text;
}

std::vector<std::string> QuotedPieces(std::u16string_view characters) {
  std::vector<std::string> pieces;
  do {
    const std::u16string_view piece = characters.substr(0, StringPieceLength);
    characters.remove_prefix(piece.size());
    pieces.push_back(Quoted(piece));
  } while (!characters.empty());
  return pieces;
}

class TObjectTextPrinter {
 public:
  TObjectTextPrinter(TStreamReader& reader, const ICodePage& codePage) noexcept
      : FReader(reader), FCodePage(codePage) {}

  std::string PrintStream() {
    FReader.ReadSignature();
    PrintComponent(0, 0);
    FText += '\n';
    return std::move(FText);
  }

 private:
  // `nesting` counts the levels below the root component.
  void PrintComponent(unsigned indent, unsigned nesting) {
    if (nesting > MaxChildNesting) throw EStreamError::InvalidStreamFormat();
    const TFlagPrefix flags = FReader.ReadFlagPrefix();
    const std::string className = FReader.ReadShortString();
    const std::string name = FReader.ReadShortString();
    if (!IsIdentifier(className)) throw EStreamError::InvalidStreamFormat();
    if (!name.empty() && !IsIdentifier(name)) throw EStreamError::InvalidComponentName(name);
    BeginLine(indent);
    FText += flags.inherited ? "inherited " : flags.inlined ? "inline " : "object ";
    if (!name.empty()) FText += name + ": ";
    FText += className;
    if (flags.childPosition) FText += " [" + std::to_string(*flags.childPosition) + "]";
    PrintProperties(indent + IndentStep, 0);
    while (!FReader.EndOfList()) PrintComponent(indent + IndentStep, nesting + 1);
    BeginLine(indent);
    FText += "end";
  }

  void PrintProperties(unsigned indent, unsigned valueNesting) {
    while (!FReader.EndOfList()) {
      const std::string name = FReader.ReadShortString();
      if (!IsDottedName(name) || IsComponentKeyword(name)) throw EStreamError::InvalidStreamFormat();
      BeginLine(indent);
      FText += name + " =";
      PrintValue(FReader.ReadTag(), indent, valueNesting, TValueSite::Property);
    }
  }

  // `indent` is that of the line the value starts on; a property's value follows its " =".
  void PrintValue(TValueTag tag, unsigned indent, unsigned nesting, TValueSite site) {
    if (IsStringTag(tag)) return PrintString(FReader.ReadUtf16String(tag, FCodePage), indent, site);
    if (site == TValueSite::Property) FText += ' ';
    switch (tag) {
      case TValueTag::List:
        return PrintList(indent, nesting + 1);
      case TValueTag::Collection:
        return PrintCollection(indent, nesting + 1);
      case TValueTag::Set:
        return PrintSet();
      case TValueTag::Binary:
        return PrintBinary(FReader.ReadBinary(tag), indent);
      case TValueTag::Int8:
      case TValueTag::Int16:
      case TValueTag::Int32:
      case TValueTag::Int64:
        FText += std::to_string(FReader.ReadInt64(tag));
        return;
      case TValueTag::Extended:
        FText += FloatText(FormatFloat(FReader.ReadExtended(tag)));
        return;
      case TValueTag::Single:
        FText += FloatText(FormatFloat(FReader.ReadSingle(tag))) + "s";
        return;
      case TValueTag::Date:
        FText += FloatText(FormatFloat(FReader.ReadDate(tag))) + "d";
        return;
      case TValueTag::Currency:
        FText += std::to_string(FReader.ReadCurrency(tag)) + "c";
        return;
      default:
        FText += IdentText(FReader.ReadIdent(tag), site);
    }
  }

  // The special identifiers in their own spelling, whichever tag carried them. A list cannot
  // hold Null: its tag ends the list.
  static std::string IdentText(const std::string& name, TValueSite site) {
    const auto special =
        std::ranges::find_if(SpecialIdents, [&name](const TSpecialIdent& s) { return SameText(s.name, name); });
    if (special == SpecialIdents.end()) {
      if (!IsDottedName(name)) throw EStreamError::InvalidPropertyValue();
      return name;
    }
    if (site == TValueSite::ListItem && special->tag == TValueTag::Null) throw EStreamError::InvalidPropertyValue();
    return std::string(special->name);
  }

  void PrintString(std::u16string_view characters, unsigned indent, TValueSite site) {
    const std::vector<std::string> pieces = QuotedPieces(characters);
    if (site == TValueSite::Property) {
      if (pieces.size() == 1) {
        FText += ' ';
      } else {
        indent += IndentStep;
        BeginLine(indent);
      }
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (i > 0) {
        FText += " +";
        BeginLine(indent);
      }
      FText += pieces[i];
    }
  }

  void PrintSet() {
    FText += '[';
    bool first = true;
    for (std::string member = FReader.ReadShortString(); !member.empty(); member = FReader.ReadShortString()) {
      if (!IsDottedName(member)) throw EStreamError::InvalidPropertyValue();
      if (!first) FText += ", ";
      FText += member;
      first = false;
    }
    FText += ']';
  }

  void PrintBinary(const std::vector<std::uint8_t>& bytes, unsigned indent) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    FText += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (i % BinaryBytesPerLine == 0) BeginLine(indent + IndentStep);
      FText += HexDigits[bytes[i] >> 4];
      FText += HexDigits[bytes[i] & 0x0F];
    }
    FText += '}';
  }

  void PrintList(unsigned indent, unsigned nesting) {
    if (nesting > MaxValueNesting) throw EStreamError::InvalidStreamFormat();
    FText += '(';
    while (!FReader.EndOfList()) {
      BeginLine(indent + IndentStep);
      PrintValue(FReader.ReadTag(), indent + IndentStep, nesting, TValueSite::ListItem);
    }
    FText += ')';
  }

  // Each item: its optional order, then its properties as a list.
  void PrintCollection(unsigned indent, unsigned nesting) {
    if (nesting > MaxValueNesting) throw EStreamError::InvalidStreamFormat();
    FText += '<';
    while (!FReader.EndOfList()) {
      BeginLine(indent + IndentStep);
      FText += "item";
      TValueTag tag = FReader.ReadTag();
      if (IsSmallIntegerTag(tag)) {
        FText += " [" + std::to_string(FReader.ReadInteger(tag)) + "]";
        tag = FReader.ReadTag();
      }
      if (tag != TValueTag::List) throw EStreamError::InvalidPropertyValue();
      PrintProperties(indent + 2 * IndentStep, nesting);
      BeginLine(indent + IndentStep);
      FText += "end";
    }
    FText += '>';
  }

  void BeginLine(unsigned indent) {
    if (!FText.empty()) FText += '\n';
    FText.append(indent, ' ');
  }

  TStreamReader& FReader;
  const ICodePage& FCodePage;
  std::string FText;
};

}  // namespace

std::string ObjectBinaryToText(IByteSource& source, const ICodePage& codePage) {
  TStreamReader reader(source);
  return TObjectTextPrinter(reader, codePage).PrintStream();
}

}  // namespace zarnel::stream
