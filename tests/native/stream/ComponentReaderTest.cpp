#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "StreamBytes.h"
#include "StreamError.h"
#include "Zarnel2ProComponent.h"
#include "Zarnel2ProDouble.h"

namespace zarnel::stream::testing {
namespace {

class TCountingComponent final : public TZarnel2ProComponent {
 public:
  using TZarnel2ProComponent::TZarnel2ProComponent;
  void Loaded() override {
    TZarnel2ProComponent::Loaded();
    ++loadedCount;
  }
  int loadedCount = 0;
};

// A control read from bytes, and how the read ended.
struct TLoad {
  TZarnel2ProDouble control;
  TCountingComponent component{control};
  std::string error;
  std::size_t sourcePosition = 0;
};

void Load(TLoad& load, const std::vector<std::uint8_t>& bytes, std::size_t maxChunk = 4096,
          const TGlobalNameInUse& isGlobalNameInUse = {}) {
  TMemorySource source(bytes, maxChunk);
  try {
    ReadComponentStream(source, load.component, TCp1252CodePage{}, isGlobalNameInUse);
  } catch (const EStreamError& e) {
    load.error = e.what();
  }
  load.sourcePosition = source.Position();
}

std::vector<std::uint8_t> Stream(const TStreamBytes& records) {
  return TStreamBytes().Header("TZarnel2Pro").Append(records).End().Bytes();
}

// Every stored property away from its default.
void SetAllStoredProperties(TZarnel2ProState& s) {
  s = {};
  s.tag = 7;
  s.left = 10;
  s.top = -20;
  s.width = 300;
  s.height = 40;
  s.cursor = -21;
  s.hint = "Tip \xE9";
  s.helpType = THelpType::htKeyword;
  s.helpKeyword = "topic";
  s.helpContext = 12345;
  s.repaintStepOffset = 3;
  s.repaintStep = 200;
  s.transparentColor = true;
  s.transparentColorValue = 0xFF00FF;
  s.align = TAlign::alTop;
  s.anchors = {TAnchorKind::akLeft, TAnchorKind::akBottom};
  s.colorLeft = 0xFF00000F;
  s.colorRight = 0x123456;
  s.bevelKind = TBevelKind::bkSoft;
  s.bevelOuter = TBevelCut::bvSpace;
  s.bevelInner = TBevelCut::bvNone;
  s.borderWidth = 3;
  s.constraints = {1, 2, 3, 4};
  s.enabled = false;
  s.parentFont = false;
  s.font = {204, 0x0080FF, -13, "Tahoma", TFontPitch::fpVariable, {TFontStyle::fsItalic, TFontStyle::fsStrikeOut}};
  s.fontColorLeft = 0x1FFFFFFF;
  s.fontColorRight = 0x20000000;
  s.min = -50;
  s.max = 5000;
  s.parentShowHint = false;
  s.position = 70000;
  s.showHint = true;
  s.showText = false;
  s.text = std::string(290, 'x') + "\x80\xE9 \xFF";
  s.visible = false;
  s.wrapExceeded = true;
}

TEST(ComponentReader, RoundTripRestoresEveryPropertyInStreamOrderAndGivesBackReadAhead) {
  TZarnel2ProDouble original;
  SetAllStoredProperties(original.state);
  TZarnel2ProComponent originalComponent(original);
  TMemorySink sink;
  WriteComponentStream(sink, originalComponent, TCp1252CodePage{});
  std::vector<std::uint8_t> bytes = sink.bytes;
  bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF});

  const std::vector<std::string> expectedWrites{"Tag",
                                                "Left",
                                                "Top",
                                                "Width",
                                                "Height",
                                                "Cursor",
                                                "Hint",
                                                "HelpType",
                                                "HelpKeyword",
                                                "HelpContext",
                                                "RepaintStepOffset",
                                                "RepaintStep",
                                                "TransparentColor",
                                                "TransparentColorValue",
                                                "Align",
                                                "Anchors",
                                                "ColorLeft",
                                                "ColorRight",
                                                "BevelKind",
                                                "BevelOuter",
                                                "BevelInner",
                                                "BorderWidth",
                                                "Constraints.MaxHeight",
                                                "Constraints.MaxWidth",
                                                "Constraints.MinHeight",
                                                "Constraints.MinWidth",
                                                "Enabled",
                                                "Font.Charset",
                                                "Font.Color",
                                                "Font.Height",
                                                "Font.Name",
                                                "Font.Pitch",
                                                "Font.Style",
                                                "FontColorLeft",
                                                "FontColorRight",
                                                "Min",
                                                "Max",
                                                "ParentFont",
                                                "ParentShowHint",
                                                "Position",
                                                "ShowHint",
                                                "ShowText",
                                                "Text",
                                                "Visible",
                                                "WrapExceeded"};
  for (const std::size_t chunk : {std::size_t{4096}, std::size_t{1}, std::size_t{7}}) {
    SCOPED_TRACE(chunk);
    TLoad load;
    Load(load, bytes, chunk);
    EXPECT_EQ(load.error, "");
    EXPECT_TRUE(load.control.state == original.state);
    EXPECT_EQ(load.control.writes, expectedWrites);
    EXPECT_EQ(load.sourcePosition, sink.bytes.size());
    EXPECT_EQ(load.component.loadedCount, 1);
  }
}

TEST(ComponentReader, ForeignClassNameStillLoads) {
  TLoad load;
  Load(load, TStreamBytes().Header("TSomethingElse", "Bar").Short("Position").Raw({0x02, 0x33}).End().Bytes());
  EXPECT_EQ(load.error, "");
  EXPECT_EQ(load.control.state.position, 51);
  EXPECT_EQ(load.component.Name(), "Bar");
  EXPECT_EQ(load.component.loadedCount, 1);
}

TEST(ComponentReader, UnknownPropertyFailsAfterEarlierValuesWereApplied) {
  const TStreamBytes upToFailure = TStreamBytes().Header("TZarnel2Pro").Short("Left").Raw({0x02, 0x05}).Short("Bogus");
  TLoad load;
  Load(load, TStreamBytes().Append(upToFailure).Raw({0x02, 0x01}).Short("Top").Raw({0x02, 0x06}).End().Bytes());
  EXPECT_EQ(load.error, "Property Bogus does not exist");
  EXPECT_EQ(load.control.writes, std::vector<std::string>{"Left"});
  EXPECT_EQ(load.control.state.left, 5);
  EXPECT_EQ(load.component.loadedCount, 0);
  EXPECT_FALSE(load.component.IsLoading());
  EXPECT_FALSE(load.component.IsReading());
  EXPECT_EQ(load.sourcePosition, upToFailure.Size());
}

TEST(ComponentReader, FlagPrefixIsSkippedWithItsOptionalChildPosition) {
  const std::initializer_list<std::uint8_t> prefixes[] = {
      {0xF0}, {0xF1}, {0xF4}, {0xF2, 0x02, 0x05}, {0xF3, 0x03, 0x01, 0x01}, {0xF6, 0x04, 0x01, 0x02, 0x03, 0x04},
  };
  for (const auto& prefix : prefixes) {
    SCOPED_TRACE(::testing::PrintToString(std::vector<std::uint8_t>(prefix)));
    TLoad load;
    Load(load, TStreamBytes()
                   .Chars("TPF0")
                   .Raw(prefix)
                   .Short("TZarnel2Pro")
                   .Short("")
                   .Short("Position")
                   .Raw({0x02, 0x2A})
                   .End()
                   .Bytes());
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.control.state.position, 42);
  }
  TLoad badPosition;
  Load(badPosition, TStreamBytes().Chars("TPF0").Raw({0xF2, 0x06, 0x00}).Short("TZarnel2Pro").Short("").End().Bytes());
  EXPECT_EQ(badPosition.error, "Invalid property value");
}

TEST(ComponentReader, NamesIdentifiersAndMembersMatchWithoutRegardToCase) {
  TLoad load;
  Load(load, Stream(TStreamBytes()
                        .Short("pOSITION")
                        .Raw({0x02, 0x2A})
                        .Short("colorleft")
                        .Ident("CLRED")
                        .Short("ALIGN")
                        .Ident("ALCLIENT")
                        .Short("anchors")
                        .Raw({0x0B})
                        .Short("AKRIGHT")
                        .Short("akbottom")
                        .Raw({0x00})
                        .Short("font.HEIGHT")
                        .Raw({0x02, 0xF3})
                        .Short("Font.Charset")
                        .Ident("russian_charset")
                        .Short("Font.Style")
                        .Raw({0x0B})
                        .Short("FSUNDERLINE")
                        .Raw({0x00})
                        .Short("Enabled")
                        .Ident("FALSE")
                        .Short("Visible")
                        .Ident("true")
                        .Short("Cursor")
                        .Ident("CRSIZE")
                        .Short("bevelouter")
                        .Ident("BVRAISED")));
  ASSERT_EQ(load.error, "");
  const TZarnel2ProState& s = load.control.state;
  EXPECT_EQ(s.position, 42);
  EXPECT_EQ(s.colorLeft, 0x0000FFu);
  EXPECT_EQ(s.align, TAlign::alClient);
  EXPECT_TRUE(s.anchors == (TAnchors{TAnchorKind::akRight, TAnchorKind::akBottom}));
  EXPECT_EQ(s.font.height, -13);
  EXPECT_EQ(s.font.charset, 204);
  EXPECT_TRUE(s.font.style == TFontStyles{TFontStyle::fsUnderline});
  EXPECT_FALSE(s.enabled);
  EXPECT_TRUE(s.visible);
  EXPECT_EQ(s.cursor, -22);
  EXPECT_EQ(s.bevelOuter, TBevelCut::bvRaised);
}

struct TTextValueCase {
  const char* label;
  TStreamBytes value;
  std::string text;
};

TEST(ComponentReader, EveryStringTagGivesSystemCodePageText) {
  const TTextValueCase cases[] = {
      {"short string", TStreamBytes().Raw({0x06, 0x03}).Chars("abc"), "abc"},
      {"long string", TStreamBytes().Raw({0x0C, 0x03, 0x00, 0x00, 0x00}).Chars("a\xE9z"), "a\xE9z"},
      {"wide string", TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0xE9, 0x00, 0xAC, 0x20}), "\xE9\x80"},
      {"UTF-8", TStreamBytes().Raw({0x14, 0x05, 0x00, 0x00, 0x00}).Chars("abc\xC3\xA9"), "abc\xE9"},
      {"UTF-8 without cp1252 form", TStreamBytes().Raw({0x14, 0x04, 0x00, 0x00, 0x00}).Chars("\xF0\x9F\x98\x80"), "?"},
      {"empty wide string", TStreamBytes().Raw({0x12, 0x00, 0x00, 0x00, 0x00}), ""},
  };
  for (const TTextValueCase& c : cases) {
    SCOPED_TRACE(c.label);
    TLoad load;
    load.control.state.text = "before";
    Load(load, Stream(TStreamBytes().Short("Text").Append(c.value)));
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.control.state.text, c.text);
  }
}

struct TRejectedCase {
  const char* label;
  TStreamBytes record;
  std::string error;
};

TEST(ComponentReader, ValuesThatDoNotFitThePropertyFailTheLoad) {
  const std::string invalid = "Invalid property value";
  const TRejectedCase cases[] = {
      {"string for integer", TStreamBytes().Short("Left").Raw({0x06, 0x01}).Chars("x"), invalid},
      {"identifier for plain integer", TStreamBytes().Short("Left").Ident("clRed"), invalid},
      {"extended float", TStreamBytes().Short("Left").Raw({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), invalid},
      {"64-bit integer", TStreamBytes().Short("Position").Raw({0x13, 1, 0, 0, 0, 0, 0, 0, 0}), invalid},
      {"nil for integer", TStreamBytes().Short("Position").Raw({0x0D}), invalid},
      {"unknown tag", TStreamBytes().Short("Position").Raw({0x15, 0x01}), invalid},
      {"byte above 255", TStreamBytes().Short("RepaintStep").Raw({0x03, 0x00, 0x01}), invalid},
      {"negative byte", TStreamBytes().Short("RepaintStepOffset").Raw({0x02, 0xFF}), invalid},
      {"cursor beyond 16 bits", TStreamBytes().Short("Cursor").Raw({0x04, 0x00, 0x00, 0x01, 0x00}), invalid},
      {"unknown colour name", TStreamBytes().Short("ColorLeft").Ident("clUnknown"), invalid},
      {"boolean for colour", TStreamBytes().Short("ColorLeft").Raw({0x08}), invalid},
      {"integer for string", TStreamBytes().Short("Text").Raw({0x02, 0x05}), invalid},
      {"identifier for string", TStreamBytes().Short("Text").Ident("abc"), invalid},
      {"integer for enumeration", TStreamBytes().Short("Align").Raw({0x02, 0x01}), invalid},
      {"unknown member", TStreamBytes().Short("Align").Ident("alSideways"), invalid},
      {"integer for boolean", TStreamBytes().Short("Enabled").Raw({0x02, 0x00}), invalid},
      {"identifier for set", TStreamBytes().Short("Anchors").Ident("akLeft"), invalid},
      {"unknown set member", TStreamBytes().Short("Anchors").Raw({0x0B}).Short("akMiddle").Raw({0x00}), invalid},
      {"value for nested object", TStreamBytes().Short("Font").Raw({0x02, 0x01}), invalid},
      {"method name for event", TStreamBytes().Short("OnClick").Ident("ClickHandler"), invalid},
      {"malformed UTF-8", TStreamBytes().Short("Text").Raw({0x14, 0x02, 0x00, 0x00, 0x00, 0xC3, 0x28}), invalid},
      {"overlong UTF-8", TStreamBytes().Short("Text").Raw({0x14, 0x02, 0x00, 0x00, 0x00, 0xC0, 0x80}), invalid},
      {"lone surrogate", TStreamBytes().Short("Text").Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0xD8}), invalid},
      {"path through a non-object", TStreamBytes().Short("Left.Foo").Raw({0x02, 0x01}),
       "Property Left.Foo does not exist"},
      {"unknown nested name", TStreamBytes().Short("Font.Bogus").Raw({0x02, 0x01}),
       "Property Font.Bogus does not exist"},
      {"empty nested name", TStreamBytes().Short("Font.").Raw({0x02, 0x01}), "Property Font. does not exist"},
  };
  for (const TRejectedCase& c : cases) {
    SCOPED_TRACE(c.label);
    TLoad load;
    Load(load, Stream(c.record));
    EXPECT_EQ(load.error, c.error);
    EXPECT_TRUE(load.control.writes.empty());
    EXPECT_EQ(load.component.loadedCount, 0);
  }
}

TEST(ComponentReader, BevelCutNamingNoMemberIsRejectedAndLeavesTheCutAlone) {
  for (const std::string_view name : {"BevelOuter", "BevelInner"}) {
    SCOPED_TRACE(name);
    TLoad load;
    Load(load, Stream(TStreamBytes().Short(name).Ident("bvBogus")));
    EXPECT_EQ(load.error, "Invalid property value");
    EXPECT_EQ(load.control.state.bevelOuter, TBevelCut::bvLowered);
    EXPECT_EQ(load.control.state.bevelInner, TBevelCut::bvRaised);
    EXPECT_TRUE(load.control.writes.empty());
  }
}

TEST(ComponentReader, NilClearsAnEventHook) {
  TLoad load;
  Load(load, Stream(TStreamBytes().Short("OnPerCentChange").Raw({0x0D}).Short("onclick").Raw({0x0D})));
  EXPECT_EQ(load.error, "");
  EXPECT_EQ(load.control.state.eventAssigned, (std::array<bool, 6>{false, true, true, true, true, false}));
}

TEST(ComponentReader, ComponentNameMustBeAnIdentifierOrEmpty) {
  for (const std::string_view name : {"", "_x", "Zarnel2Pro_1"}) {
    TLoad load;
    Load(load, TStreamBytes().Header("TZarnel2Pro", name).End().Bytes());
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.component.Name(), name);
  }
  for (const std::string_view name : {"1abc", "a-b", "a b", "\xE9t\xE9"}) {
    TLoad load;
    Load(load, TStreamBytes().Header("TZarnel2Pro", name).End().Bytes());
    EXPECT_EQ(load.error, "''" + std::string(name) + "'' is not a valid component name");
  }
}

TEST(ComponentReader, NameUsedByAGlobalComponentGetsTheFirstFreeNumber) {
  const std::set<std::string, std::less<>> used{"Bar", "Bar_1", "Bar_3"};
  TLoad load;
  Load(load, TStreamBytes().Header("TZarnel2Pro", "Bar").End().Bytes(), 4096,
       [&used](std::string_view name) { return used.contains(name); });
  EXPECT_EQ(load.error, "");
  EXPECT_EQ(load.component.Name(), "Bar_2");
}

TEST(ComponentReader, WrongSignatureIsAnInvalidFormat) {
  TLoad load;
  Load(load, TStreamBytes().Chars("TPF1").Short("TZarnel2Pro").Short("").End().Bytes());
  EXPECT_EQ(load.error, "Invalid stream format");
}

TEST(ComponentReader, EveryTruncationOfAValidStreamIsAReadError) {
  TZarnel2ProDouble original;
  SetAllStoredProperties(original.state);
  TZarnel2ProComponent originalComponent(original);
  TMemorySink sink;
  WriteComponentStream(sink, originalComponent, TCp1252CodePage{});

  for (std::size_t length = 0; length < sink.bytes.size(); ++length) {
    SCOPED_TRACE(length);
    TLoad load;
    Load(load, std::vector<std::uint8_t>(sink.bytes.begin(), sink.bytes.begin() + static_cast<std::ptrdiff_t>(length)),
         3);
    ASSERT_EQ(load.error, "Stream read error");
    EXPECT_EQ(load.component.loadedCount, 0);
    EXPECT_EQ(load.sourcePosition, length);
  }
}

}  // namespace
}  // namespace zarnel::stream::testing
