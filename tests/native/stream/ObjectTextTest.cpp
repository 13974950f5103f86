#include <gtest/gtest.h>

#include <string>

#include "ObjectTextConversions.h"

namespace zarnel::stream::testing {
namespace {

struct TValueCase {
  std::string text;  // canonical, as it follows "Value = "
  TStreamBytes bytes;
};

void ExpectBothWays(const TValueCase& c) {
  SCOPED_TRACE(c.text);
  const std::string form = FormWithValue(c.text);
  const std::vector<std::uint8_t> stream = StreamWithValue(c.bytes).Bytes();
  EXPECT_EQ(ToBinary(form), stream);
  EXPECT_EQ(ToText(stream), form);
}

TEST(ObjectText, IntegersTakeTheSmallestTag) {
  const TValueCase cases[] = {
      {"0", TStreamBytes().Raw({0x02, 0x00})},
      {"-128", TStreamBytes().Raw({0x02, 0x80})},
      {"127", TStreamBytes().Raw({0x02, 0x7F})},
      {"128", TStreamBytes().Raw({0x03, 0x80, 0x00})},
      {"-32769", TStreamBytes().Raw({0x04, 0xFF, 0x7F, 0xFF, 0xFF})},
      {"2147483647", TStreamBytes().Raw({0x04, 0xFF, 0xFF, 0xFF, 0x7F})},
      {"2147483648", TStreamBytes().Raw({0x13, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00})},
      {"-9223372036854775808", TStreamBytes().Raw({0x13, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80})},
  };
  for (const TValueCase& c : cases) ExpectBothWays(c);
}

TEST(ObjectText, IdentifiersAndSets) {
  const TValueCase cases[] = {
      {"clBtnFace", TStreamBytes().Ident("clBtnFace")},
      {"DataModule.Table1", TStreamBytes().Ident("DataModule.Table1")},
      {"False", TStreamBytes().Raw({0x08})},
      {"True", TStreamBytes().Raw({0x09})},
      {"nil", TStreamBytes().Raw({0x0D})},
      {"Null", TStreamBytes().Raw({0x00})},
      {"[biSystemMenu, biHelp]", TStreamBytes().Raw({0x0B}).Short("biSystemMenu").Short("biHelp").Raw({0x00})},
      {"[]", TStreamBytes().Raw({0x0B, 0x00})},
  };
  for (const TValueCase& c : cases) ExpectBothWays(c);
}

TEST(ObjectText, StringsTakeTheSmallestFaithfulTag) {
  const TValueCase cases[] = {
      {"'About'", TStreamBytes().Raw({0x06}).Short("About")},
      {"''", TStreamBytes().Raw({0x06, 0x00})},
      {"'It''s OK'", TStreamBytes().Raw({0x06}).Short("It's OK")},
      {"'Line'#13#10'Next'", TStreamBytes().Raw({0x06}).Short("Line\r\nNext")},
      {"'Caf'#233", TStreamBytes().Raw({0x14, 0x05, 0x00, 0x00, 0x00}).Chars("Caf\xC3\xA9")},
      {"#8364", TStreamBytes().Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0xAC, 0x20})},
      {"#55357#56832", TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0x3D, 0xD8, 0x00, 0xDE})},
  };
  for (const TValueCase& c : cases) ExpectBothWays(c);
}

// A stream may hold text that is not well-formed: its unpaired surrogates print as their codes and
// go back as UTF-16, the one form that holds them; malformed UTF-8 reads as U+FFFD, as a load reads it.
TEST(ObjectText, IllFormedStringsPrintAsTheyReadAndKeepTheirCodeUnits) {
  const TValueCase unpaired[] = {
      {"'a'#55357", TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0x61, 0x00, 0x3D, 0xD8})},
      {"#56832'a'", TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0x00, 0xDE, 0x61, 0x00})},
      {"#56832#55357", TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0x00, 0xDE, 0x3D, 0xD8})},
  };
  for (const TValueCase& c : unpaired) ExpectBothWays(c);

  const std::vector<std::uint8_t> malformed =
      StreamWithValue(TStreamBytes().Raw({0x14, 0x04, 0x00, 0x00, 0x00, 0x61, 0xC3, 0x28, 0xFF})).Bytes();
  EXPECT_EQ(ToText(malformed), FormWithValue("'a'#65533'('#65533"));
}

TEST(ObjectText, FloatsAndCurrency) {
  const TValueCase cases[] = {
      {"1.5", TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})},
      {"0.1", TStreamBytes().Raw({0x05, 0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F})},
      {"-0.0", TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80})},
      {"3.0", TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0x40})},
      {"0.1s", TStreamBytes().Raw({0x0F, 0xCD, 0xCC, 0xCC, 0x3D})},
      {"45000.25d", TStreamBytes().Raw({0x11, 0x00, 0x00, 0x00, 0x00, 0x08, 0xF9, 0xE5, 0x40})},
      {"125000c", TStreamBytes().Raw({0x10, 0x48, 0xE8, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00})},
      {"-1c", TStreamBytes().Raw({0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
  };
  for (const TValueCase& c : cases) ExpectBothWays(c);
}

TEST(ObjectText, BinaryListsAndCollections) {
  const TValueCase cases[] = {
      {"{\n    0A0BFF}", TStreamBytes().Raw({0x0A, 0x03, 0x00, 0x00, 0x00, 0x0A, 0x0B, 0xFF})},
      {"{}", TStreamBytes().Raw({0x0A, 0x00, 0x00, 0x00, 0x00})},
      {"(\n    1\n    'a'\n    (\n      Two))",
       TStreamBytes().Raw({0x01, 0x02, 0x01, 0x06}).Short("a").Raw({0x01}).Ident("Two").Raw({0x00, 0x00})},
      {"()", TStreamBytes().Raw({0x01, 0x00})},
      {"<\n    item\n      A = 1\n      B = (\n        2)\n    end\n    item [3]\n    end>",
       TStreamBytes()
           .Raw({0x0E, 0x01})
           .Short("A")
           .Raw({0x02, 0x01})
           .Short("B")
           .Raw({0x01, 0x02, 0x02, 0x00, 0x00, 0x02, 0x03, 0x01, 0x00, 0x00})},
      {"<>", TStreamBytes().Raw({0x0E, 0x00})},
  };
  for (const TValueCase& c : cases) ExpectBothWays(c);
}

TEST(ObjectText, BinaryDataWraps32BytesALine) {
  std::vector<std::uint8_t> data(70);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
  TStreamBytes value;
  value.Raw({0x0A, 70, 0, 0, 0});
  for (const std::uint8_t b : data) value.Raw({b});
  ExpectBothWays(
      {"{\n"
       "    00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9\n"
       "    E0E7EEF5FC030A11181F262D343B424950575E656C737A81888F969DA4ABB2B9\n"
       "    C0C7CED5DCE3}",
       value});
}

TEST(ObjectText, StringsOver64CodeUnitsAreCutIntoPiecesOf64) {
  const std::string a64(64, 'a');
  ExpectBothWays({"'" + a64 + "'", TStreamBytes().Raw({0x06}).Short(a64)});

  const std::string b300(300, 'b');
  std::string pieces = "\n    '" + b300.substr(0, 64) + "' +";
  for (int i = 1; i < 4; ++i) pieces += "\n    '" + b300.substr(0, 64) + "' +";
  pieces += "\n    '" + b300.substr(0, 44) + "'";
  ExpectBothWays({pieces, TStreamBytes().Raw({0x0C, 0x2C, 0x01, 0x00, 0x00}).Chars(b300)});

  // A #code counts as one code unit, and a surrogate pair may be cut between two pieces.
  const std::string a63(63, 'a');
  ExpectBothWays({"\n    '" + a63 + "'#55357 +\n    #56832",
                  TStreamBytes().Raw({0x14, 0x43, 0x00, 0x00, 0x00}).Chars(a63 + "\xF0\x9F\x98\x80")});
}

TEST(ObjectText, ListItemStringsStartOnTheItemLine) {
  const std::string c70(70, 'c');
  ExpectBothWays({"(\n    '" + c70.substr(0, 64) + "' +\n    '" + c70.substr(64) + "')",
                  TStreamBytes().Raw({0x01, 0x06}).Short(c70).Raw({0x00})});
}

TEST(ObjectText, FlagPrefixesNamesAndChildren) {
  const std::string text =
      "inherited AboutBox: TAboutBox\n"
      "  Caption = 'About'\n"
      "  object TPanel\n"
      "  end\n"
      "  inline Frame: TFrame [2]\n"
      "    object OkBtn: TButton\n"
      "      Default = True\n"
      "    end\n"
      "  end\n"
      "  object Last: TLabel [-300]\n"
      "  end\n"
      "end\n";
  const TStreamBytes stream = TStreamBytes()
                                  .Chars("TPF0")
                                  .Raw({0xF1})
                                  .Short("TAboutBox")
                                  .Short("AboutBox")
                                  .Short("Caption")
                                  .Raw({0x06})
                                  .Short("About")
                                  .Raw({0x00})
                                  .Short("TPanel")
                                  .Short("")
                                  .End()
                                  .Raw({0xF6, 0x02, 0x02})
                                  .Short("TFrame")
                                  .Short("Frame")
                                  .Raw({0x00})
                                  .Short("TButton")
                                  .Short("OkBtn")
                                  .Short("Default")
                                  .Raw({0x09})
                                  .End()
                                  .Raw({0x00})
                                  .Raw({0xF2, 0x03, 0xD4, 0xFE})
                                  .Short("TLabel")
                                  .Short("Last")
                                  .End()
                                  .Raw({0x00});
  EXPECT_EQ(ToBinary(text), stream.Bytes());
  EXPECT_EQ(ToText(stream.Bytes()), text);
}

TEST(ObjectText, ClassNameOf240CharactersGetsAFlagByteItsLengthWouldBeTakenFor) {
  const std::string className = "T" + std::string(239, 'x');
  const std::string text = "object " + className + "\nend\n";
  const TStreamBytes stream = TStreamBytes().Chars("TPF0").Raw({0xF0}).Short(className).Short("").End();
  EXPECT_EQ(ToBinary(text), stream.Bytes());
  EXPECT_EQ(ToText(stream.Bytes()), text);
}

TEST(ObjectText, LooseTextReadsAsItsCanonicalForm) {
  const std::string loose =
      "\r\n"
      "OBJECT F : TF\r\n"
      "\r\n"
      "\tValue=\r\n"
      "  'Caf\xC3\xA9' + #0065\r\n"
      "  Data = { 0a 0B\r\n"
      "  ff }\r\n"
      "  Flags = [ a ,b ]  Items = < Item [ 1 ] A = false End > Lines = ( 1 ( ) )\r\n"
      "  Count = 0010\r\n"
      "End";
  const std::string canonical =
      "object F: TF\n"
      "  Value = 'Caf'#233'A'\n"
      "  Data = {\n"
      "    0A0BFF}\n"
      "  Flags = [a, b]\n"
      "  Items = <\n"
      "    item [1]\n"
      "      A = False\n"
      "    end>\n"
      "  Lines = (\n"
      "    1\n"
      "    ())\n"
      "  Count = 10\n"
      "end\n";
  EXPECT_EQ(ToText(ToBinary(loose)), canonical);
  EXPECT_EQ(ToBinary(loose), ToBinary(canonical));
}

TEST(ObjectText, WiderTagsPrintAsTheirValueAndComeBackInTheSmallest) {
  struct TWideCase {
    TStreamBytes wide;
    std::string text;
    TStreamBytes smallest;
  };
  const TWideCase cases[] = {
      {TStreamBytes().Raw({0x04, 0x05, 0x00, 0x00, 0x00}), "5", TStreamBytes().Raw({0x02, 0x05})},
      {TStreamBytes().Raw({0x13, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "-2",
       TStreamBytes().Raw({0x02, 0xFE})},
      {TStreamBytes().Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0x41, 0x00}), "'A'", TStreamBytes().Raw({0x06, 0x01, 0x41})},
      {TStreamBytes().Raw({0x0C, 0x01, 0x00, 0x00, 0x00, 0xE9}), "#233",
       TStreamBytes().Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0xE9, 0x00})},
      {TStreamBytes().Raw({0x06, 0x01, 0x80}), "#8364", TStreamBytes().Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0xAC, 0x20})},
      {TStreamBytes().Ident("FALSE"), "False", TStreamBytes().Raw({0x08})},
      {TStreamBytes().Ident("NIL"), "nil", TStreamBytes().Raw({0x0D})},
      // A pseudo-denormal (the smallest normal value) and an unnormal (1.0).
      {TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x00}), "3.3621031431120935063e-4932",
       TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00})},
      {TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x40}), "1.0",
       TStreamBytes().Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
  };
  for (const TWideCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ToText(StreamWithValue(c.wide).Bytes()), FormWithValue(c.text));
    EXPECT_EQ(ToBinary(FormWithValue(c.text)), StreamWithValue(c.smallest).Bytes());
  }
}

TEST(ObjectText, ReadingLeavesTheSourceJustAfterTheComponent) {
  const TStreamBytes stream = StreamWithValue(TStreamBytes().Raw({0x02, 0x07}));
  TStreamBytes followed = stream;
  followed.Chars("more");
  TMemorySource source(followed.Bytes());
  EXPECT_EQ(ObjectBinaryToText(source, TCp1252CodePage{}), FormWithValue("7"));
  EXPECT_EQ(source.Position(), stream.Size());
}

}  // namespace
}  // namespace zarnel::stream::testing
