#include <gtest/gtest.h>

#include <string>

#include "ComponentReader.h"
#include "ObjectTextConversions.h"
#include "StreamError.h"

namespace zarnel::stream::testing {
namespace {

struct TMalformedText {
  std::string text;
  int line;
  std::string message;
};

// The form "F" of class "TF" around `body`, whose first line is line 2.
std::string Form(std::string_view body) { return "object F: TF\n" + std::string(body) + "end\n"; }

void ExpectTextErrors(std::initializer_list<TMalformedText> cases) {
  for (const TMalformedText& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ToBinary(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const ETextError& e) {
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_EQ(e.Message(), c.message);
      EXPECT_EQ(e.what(), "line " + std::to_string(c.line) + ": " + c.message);
    }
  }
}

TEST(ObjectTextErrors, StructureOfComponents) {
  ExpectTextErrors({
      {Form("  Left = 1\n  Top\n  Caption = 'x'\n"), 4, "expected '=' after property name, found 'Caption'"},
      {"objekt F: TF\nend\n", 1, "expected 'object', 'inherited' or 'inline', found 'objekt'"},
      {"\n\n", 1, "expected 'object', 'inherited' or 'inline', found end of text"},
      {"object F: TF\n  Left = 1\n\n", 2, "expected a property, 'object' or 'end', found end of text"},
      {Form("") + "end\n", 3, "expected end of text after the final 'end', found 'end'"},
      {Form("  object A: TA\n  end\n  Left = 1\n"), 4, "expected 'object' or 'end', found 'Left'"},
      {Form("  Left = 1 )\n"), 2, "expected a property, 'object' or 'end', found ')'"},
      {"object : TF\nend\n", 1, "expected a component or class name, found ':'"},
      {"object F:\n  5\nend\n", 2, "expected a class name after ':', found '5'"},
      {"object F.G: TF\nend\n", 1, "'F.G' is not a valid component name"},
      {"object Forms.TF\nend\n", 1, "'Forms.TF' is not a valid class name"},
      {"object F: TF [x]\nend\n", 1, "expected an integer, found 'x'"},
      {"object F: TF [1s]\nend\n", 1, "expected an integer, found '1s'"},
      {"object F: TF [1\nend\n", 2, "expected ']' after the child position, found 'end'"},
      {"object F: T" + std::string(255, 'x') + "\nend\n", 1, "name longer than 255 characters"},
      {Form("  " + std::string(256, 'P') + " = 1\n"), 2, "name longer than 255 characters"},
      {Form("  Left = 1 \x01\n"), 2, "unexpected character #1"},
      {Form("  Left = $FF\n"), 2, "unexpected character '$'"},
      {Form("  Font. = 1\n"), 2, "unexpected character '.'"},
  });
}

TEST(ObjectTextErrors, Numbers) {
  ExpectTextErrors({
      {Form("  Left = 12a\n"), 2, "bad number '12a'"},
      {Form("  Left = 1.5.2\n"), 2, "bad number '1.5.2'"},
      {Form("  Left = 1e\n"), 2, "bad number '1e'"},
      {Form("  Left = 1.\n"), 2, "bad number '1.'"},
      {Form("  Left = -\n"), 2, "unexpected character '-'"},
      {Form("  Left = 9223372036854775808\n"), 2, "number '9223372036854775808' out of range"},
      {Form("  Left = -9223372036854775809\n"), 2, "number '-9223372036854775809' out of range"},
      {Form("  Left = 1.2e4932\n"), 2, "number '1.2e4932' out of range"},
      {Form("  Left = 1e-4951\n"), 2, "number '1e-4951' out of range"},
      {Form("  Left = 1e99999999999\n"), 2, "number '1e99999999999' out of range"},
      {Form("  Left = 3.5e38s\n"), 2, "number '3.5e38s' out of range"},
      {Form("  Left = 1e-50s\n"), 2, "number '1e-50s' out of range"},
      {Form("  Left = 1e309d\n"), 2, "number '1e309d' out of range"},
      {Form("  Left = 9223372036854775808c\n"), 2, "number '9223372036854775808c' out of range"},
      {Form("  Left = 1.5c\n"), 2, "currency '1.5c' is not a whole number of ten-thousandths"},
  });
}

TEST(ObjectTextErrors, Strings) {
  ExpectTextErrors({
      {Form("  Caption = 'abc\n"), 2, "unterminated string"},
      {Form("  Caption = 'abc\r\n"), 2, "unterminated string"},
      {"object F: TF\n  Caption = 'abc", 2, "unterminated string"},
      {Form("  Caption = 'a'#\n"), 2, "bad character code '#'"},
      {Form("  Caption = #65536\n"), 2, "bad character code '#65536'"},
      {Form("  Caption = #000065\n"), 2, "bad character code '#000065'"},
      {Form("  Caption = '\xC3('\n"), 2, "malformed UTF-8 in string"},
      {Form("  Caption = 'a' +\n  Left = 1\n"), 3, "expected a string after '+', found 'Left'"},
  });
}

TEST(ObjectTextErrors, BinaryData) {
  ExpectTextErrors({
      {Form("  Data = {\n    0A0\n  }\n"), 4, "odd number of hex digits in binary data"},
      {Form("  Data = {\n    0AXY}\n"), 3, "bad hex digit 'X' in binary data"},
      {"object F: TF\n  Data = {0A\n\n", 4, "missing '}' after binary data"},
      {Form("  Data = }\n"), 2, "unexpected character '}'"},
  });
}

TEST(ObjectTextErrors, SetsListsAndCollections) {
  ExpectTextErrors({
      {Form("  Style = [a, b\n  Left = 1\n"), 3, "expected ',' or ']' in a set, found 'Left'"},
      {Form("  Style = [a,]\n"), 2, "expected a set member, found ']'"},
      {Form("  Style = [1]\n"), 2, "expected a set member, found '1'"},
      {"object F: TF\n  Lines = (\n    1\n", 3, "expected a value or ')', found end of text"},
      {Form("  Lines = (1 Null)\n"), 2, "Null cannot be a list item"},
      {Form("  Lines = (1 =)\n"), 2, "expected a value or ')', found '='"},
      {Form("  Left = )\n"), 2, "expected a value, found ')'"},
      {Form("  Items = <\n    Left = 1>\n"), 3, "expected 'item' or '>', found 'Left'"},
      {Form("  Items = <\n    item\n      A = 1\n  >\n"), 5, "expected a property or 'end', found '>'"},
      {Form("  Items = <\n    item\n      object = 1\n"), 4, "expected a property or 'end', found 'object'"},
      {Form("  Items = <item [x] end>\n"), 2, "expected an integer, found 'x'"},
      {Form("  Items = <item [2147483648] end>\n"), 2, "number '2147483648' out of range"},
      {Form("  Items = <item [1 end>\n"), 2, "expected ']' after the item's order, found 'end'"},
  });
}

TEST(ObjectTextErrors, NestingIsBoundedAsInTheStream) {
  // Objects `depth` levels below the root, each on a line of its own: level n opens on line n + 1.
  const auto nestedObjects = [](unsigned depth) {
    std::string text;
    for (unsigned i = 0; i <= depth; ++i) text += std::string(2 * i, ' ') + "object TC\n";
    for (unsigned i = depth + 1; i-- > 0;) text += std::string(2 * i, ' ') + "end\n";
    return text;
  };
  const std::string deepest = nestedObjects(MaxChildNesting);
  EXPECT_EQ(ToText(ToBinary(deepest)), deepest);
  ExpectTextErrors({{nestedObjects(MaxChildNesting + 1), 34, "objects nested deeper than 32 levels"}});

  const auto nestedLists = [](unsigned depth) {
    return FormWithValue(std::string(depth, '(') + "1" + std::string(depth, ')'));
  };
  EXPECT_NO_THROW(ToText(ToBinary(nestedLists(MaxValueNesting))));
  ExpectTextErrors({{nestedLists(MaxValueNesting + 1), 2, "lists and collections nested deeper than 32 levels"}});
  ExpectTextErrors({{FormWithValue(std::string(MaxValueNesting, '(') + "<>" + std::string(MaxValueNesting, ')')), 2,
                     "lists and collections nested deeper than 32 levels"}});
}

struct TMalformedStream {
  const char* label;
  TStreamBytes bytes;
  std::string message;
};

// The message of the stream's failure, or "accepted".
std::string StreamErrorOf(const std::vector<std::uint8_t>& bytes) {
  try {
    ToText(bytes);
    return "accepted";
  } catch (const EStreamError& e) {
    return e.what();
  }
}

void ExpectStreamErrors(std::initializer_list<TMalformedStream> cases) {
  for (const TMalformedStream& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(StreamErrorOf(c.bytes.Bytes()), c.message);
  }
}

TStreamBytes Extended(std::uint8_t high, std::uint8_t exponentLow, std::uint8_t exponentHigh) {
  return TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, high, exponentLow, exponentHigh});
}

TEST(ObjectTextStreamErrors, ValuesTheTextCannotHold) {
  const std::string invalid = "Invalid property value";
  ExpectStreamErrors({
      {"unknown tag", StreamWithValue(TStreamBytes().Raw({0x15})), invalid},
      {"extended infinity", StreamWithValue(Extended(0x80, 0xFF, 0x7F)), invalid},
      {"extended NaN", StreamWithValue(Extended(0xC0, 0xFF, 0xFF)), invalid},
      {"single NaN", StreamWithValue(TStreamBytes().Raw({0x0F, 0x00, 0x00, 0xC0, 0x7F})), invalid},
      {"date infinity", StreamWithValue(TStreamBytes().Raw({0x11, 0, 0, 0, 0, 0, 0, 0xF0, 0xFF})), invalid},
      {"identifier with a space", StreamWithValue(TStreamBytes().Ident("a b")), invalid},
      {"empty identifier", StreamWithValue(TStreamBytes().Ident("")), invalid},
      {"set member starting with a digit", StreamWithValue(TStreamBytes().Raw({0x0B}).Short("1x").Raw({0x00})),
       invalid},
      {"Null as a list item", StreamWithValue(TStreamBytes().Raw({0x01}).Ident("NULL").Raw({0x00})), invalid},
      {"collection item without its list", StreamWithValue(TStreamBytes().Raw({0x0E, 0x02, 0x01, 0x02})), invalid},
      {"collection order in an Int64",
       StreamWithValue(TStreamBytes().Raw({0x0E, 0x13, 1, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00, 0x00})), invalid},
      {"child position as a string", TStreamBytes().Chars("TPF0").Raw({0xF2, 0x06, 0x00}).Short("TF").Short("").End(),
       invalid},
  });
}

TEST(ObjectTextStreamErrors, NamesTheTextCannotHold) {
  const std::string invalidFormat = "Invalid stream format";
  ExpectStreamErrors({
      {"wrong signature", TStreamBytes().Chars("TPF1").Short("TF").Short("").End(), invalidFormat},
      {"empty class name", TStreamBytes().Header("", "F").End(), invalidFormat},
      {"dotted class name", TStreamBytes().Header("Forms.TF", "F").End(), invalidFormat},
      {"component name with a space", TStreamBytes().Header("TF", "x y").End(),
       "''x y'' is not a valid component name"},
      {"property named end", TStreamBytes().Header("TF").Short("End").Raw({0x02, 0x01}).End(), invalidFormat},
      {"property named object", TStreamBytes().Header("TF").Short("object").Raw({0x02, 0x01}).End(), invalidFormat},
      {"property with an empty path step", TStreamBytes().Header("TF").Short("Font..Size").Raw({0x02, 0x01}).End(),
       invalidFormat},
  });
}

TEST(ObjectTextStreamErrors, NestingIsBoundedAsInALoad) {
  const auto nestedObjects = [](unsigned depth) {
    TStreamBytes bytes;
    bytes.Chars("TPF0");
    for (unsigned i = 0; i <= depth; ++i) bytes.Short("TC").Short("").Raw({0x00});
    for (unsigned i = 0; i <= depth; ++i) bytes.Raw({0x00});
    return bytes;
  };
  EXPECT_NO_THROW(ToText(nestedObjects(MaxChildNesting).Bytes()));
  ExpectStreamErrors({{"objects", nestedObjects(MaxChildNesting + 1), "Invalid stream format"}});

  const auto nestedLists = [](unsigned depth) {
    TStreamBytes value;
    for (unsigned i = 0; i < depth; ++i) value.Raw({0x01});
    for (unsigned i = 0; i < depth; ++i) value.Raw({0x00});
    return StreamWithValue(value);
  };
  EXPECT_NO_THROW(ToText(nestedLists(MaxValueNesting).Bytes()));
  ExpectStreamErrors({{"lists", nestedLists(MaxValueNesting + 1), "Invalid stream format"}});
}

TEST(ObjectTextStreamErrors, EveryTruncationIsAReadError) {
  const std::vector<std::uint8_t> stream = ToBinary(
      Form("  A = -70000\n  B = 5000000000\n  C = 'Caf'#233\n  D = #8364\n  E = {\n    0102}\n  F = [x]\n  G = 1.5\n"
           "  H = 0.5s\n  I = 2.5d\n  J = 7c\n  K = (\n    nil)\n  L = <\n    item [1]\n      M = 'x'\n    end>\n"
           "  object C: TC [4]\n  end\n"));
  ASSERT_NO_THROW(ToText(stream));
  for (std::size_t length = 0; length < stream.size(); ++length) {
    SCOPED_TRACE(length);
    const std::vector<std::uint8_t> cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(StreamErrorOf(cut), "Stream read error");
  }
}

}  // namespace
}  // namespace zarnel::stream::testing
