#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "ModelComponent.h"
#include "StreamBytes.h"
#include "StreamError.h"
#include "Zarnel2ProModel.h"

namespace zarnel::stream::testing {
namespace {

// A control read from bytes, and how the read ended.
struct TLoad {
  TZarnel2ProModel control;
  std::vector<std::string> writes;
  TModelComponent component{control, &writes};
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

std::vector<std::uint8_t> Written(TZarnel2ProModel& control) {
  TModelComponent component(control);
  TMemorySink sink;
  WriteComponentStream(sink, component, TCp1252CodePage{});
  return sink.bytes;
}

// Every stored property away from its default, each through its setter.
void SetAllStoredProperties(TZarnel2ProModel& m) {
  m.SetTag(7);
  m.SetLeft(10);
  m.SetTop(-20);
  m.SetWidth(300);
  m.SetHeight(40);
  TControlSettings& s = m.Settings();
  s.Cursor = -21;
  s.Hint = "Tip \xE9";
  s.HelpType = THelpType::htKeyword;
  s.HelpKeyword = "topic";
  s.HelpContext = 12345;
  m.SetRepaintStepOffset(3);
  m.SetRepaintStep(200);
  m.SetTransparentColor(true);
  m.SetTransparentColorValue(0xFF00FF);
  s.Align = TAlign::alTop;
  s.Anchors = akLeft | akBottom;
  m.SetColorLeft(0xFF00000F);
  m.SetColorRight(0x123456);
  m.SetBevelKind(bkSoft);
  m.SetBevelCut(BevelOuterIndex, bvSpace);
  m.SetBevelCut(BevelInnerIndex, bvNone);
  m.SetBorderWidth(3);
  m.Constraints().SetMaxHeight(1);
  m.Constraints().SetMaxWidth(2);
  m.Constraints().SetMinHeight(3);
  m.Constraints().SetMinWidth(4);
  m.SetEnabled(false);
  m.Font().SetCharset(204);
  m.Font().SetColor(0x0080FF);
  m.Font().SetHeight(-13);
  m.Font().SetName("Tahoma");
  m.Font().SetPitch(TFontPitch::fpVariable);
  m.Font().SetStyle(fsItalic | fsStrikeOut);
  m.SetParentFont(false);
  m.SetFontColorLeft(0x1FFFFFFF);
  m.SetFontColorRight(0x20000000);
  m.SetMin(-50);
  m.SetMax(5000);
  s.ParentShowHint = false;
  m.SetPosition(4321);
  s.ShowHint = true;
  m.SetShowText(false);
  m.SetText(std::string(290, 'x') + "\x80\xE9 \xFF");
  m.SetVisible(false);
  m.SetWrapExceeded(true);
}

TEST(ComponentReader, RoundTripRestoresEveryPropertyInStreamOrderAndGivesBackReadAhead) {
  TZarnel2ProModel original;
  SetAllStoredProperties(original);
  const std::vector<std::uint8_t> written = Written(original);
  std::vector<std::uint8_t> bytes = written;
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
    EXPECT_EQ(Written(load.control), written);
    EXPECT_EQ(load.control.Position(), 4321);
    EXPECT_EQ(load.control.Font().Name(), "Tahoma");
    EXPECT_EQ(load.writes, expectedWrites);
    EXPECT_EQ(load.sourcePosition, written.size());
    EXPECT_EQ(load.component.loadedCount, 1);
  }
}

TEST(ComponentReader, ForeignClassNameStillLoads) {
  TLoad load;
  Load(load, TStreamBytes().Header("TSomethingElse", "Bar").Short("Position").Raw({0x02, 0x33}).End().Bytes());
  EXPECT_EQ(load.error, "");
  EXPECT_EQ(load.control.Position(), 51);
  EXPECT_EQ(load.component.Name(), "Bar");
  EXPECT_EQ(load.component.loadedCount, 1);
}

TEST(ComponentReader, UnknownPropertyFailsAfterEarlierValuesWereApplied) {
  const TStreamBytes upToFailure = TStreamBytes().Header("TZarnel2Pro").Short("Left").Raw({0x02, 0x05}).Short("Bogus");
  TLoad load;
  Load(load, TStreamBytes().Append(upToFailure).Raw({0x02, 0x01}).Short("Top").Raw({0x02, 0x06}).End().Bytes());
  EXPECT_EQ(load.error, "Property Bogus does not exist");
  EXPECT_EQ(load.writes, std::vector<std::string>{"Left"});
  EXPECT_EQ(load.control.Left(), 5);
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
    EXPECT_EQ(load.control.Position(), 42);
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
  TZarnel2ProModel& m = load.control;
  EXPECT_EQ(m.Position(), 42);
  EXPECT_EQ(m.ColorLeft(), 0x0000FFu);
  EXPECT_EQ(m.Settings().Align, TAlign::alClient);
  EXPECT_EQ(m.Settings().Anchors, akRight | akBottom);
  EXPECT_EQ(m.Font().Height(), -13);
  EXPECT_EQ(m.Font().Charset(), 204);
  EXPECT_EQ(m.Font().Style(), fsUnderline);
  EXPECT_FALSE(m.Enabled());
  EXPECT_TRUE(m.Visible());
  EXPECT_EQ(m.Settings().Cursor, -22);
  EXPECT_EQ(m.BevelOuter(), bvRaised);
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
    load.control.SetText("before");
    Load(load, Stream(TStreamBytes().Short("Text").Append(c.value)));
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.control.Text(), c.text);
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
      {"64-bit integer for a byte", TStreamBytes().Short("RepaintStep").Raw({0x13, 1, 0, 0, 0, 0, 0, 0, 0}), invalid},
      {"identifier for a byte", TStreamBytes().Short("RepaintStep").Ident("clRed"), invalid},
      {"unknown cursor name", TStreamBytes().Short("Cursor").Ident("crBogus"), invalid},
      {"string for a character set", TStreamBytes().Short("Font.Charset").Raw({0x06, 0x01}).Chars("1"), invalid},
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
    EXPECT_TRUE(load.writes.empty());
    EXPECT_EQ(load.component.loadedCount, 0);
  }
}

TEST(ComponentReader, BevelCutNamingNoMemberIsRejectedAndLeavesTheCutAlone) {
  for (const std::string_view name : {"BevelOuter", "BevelInner"}) {
    SCOPED_TRACE(name);
    TLoad load;
    Load(load, Stream(TStreamBytes().Short(name).Ident("bvBogus")));
    EXPECT_EQ(load.error, "Invalid property value");
    EXPECT_EQ(load.control.BevelOuter(), bvLowered);
    EXPECT_EQ(load.control.BevelInner(), bvRaised);
    EXPECT_TRUE(load.writes.empty());
  }
}

TEST(ComponentReader, NilClearsAnEventHook) {
  TLoad load;
  Load(load, Stream(TStreamBytes().Short("OnPerCentChange").Raw({0x0D}).Short("onclick").Raw({0x0D})));
  EXPECT_EQ(load.error, "");
  const TZarnel2ProModel& m = load.control;
  EXPECT_EQ((std::array<bool, 6>{!!m.OnClick, !!m.OnDblClick, !!m.OnMouseDown, !!m.OnMouseUp, !!m.OnMouseMove,
                                 !!m.OnPerCentChange}),
            (std::array<bool, 6>{false, true, true, true, true, false}));
  EXPECT_EQ(load.writes, (std::vector<std::string>{"OnPerCentChange", "OnClick"}));
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
  TZarnel2ProModel original;
  SetAllStoredProperties(original);
  const std::vector<std::uint8_t> written = Written(original);

  for (std::size_t length = 0; length < written.size(); ++length) {
    SCOPED_TRACE(length);
    TLoad load;
    Load(load, std::vector<std::uint8_t>(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(length)), 3);
    ASSERT_EQ(load.error, "Stream read error");
    EXPECT_EQ(load.component.loadedCount, 0);
    EXPECT_EQ(load.sourcePosition, length);
  }
}

struct TCoercedCase {
  const char* label;
  TStreamBytes record;
  std::function<std::int64_t(TZarnel2ProModel&)> stored;
  std::int64_t expected;
  std::string write;
};

TEST(ComponentReader, AnyIntegerTagIsStoredAtThePropertysOwnWidthThroughItsSetter) {
  const auto repaintStep = [](TZarnel2ProModel& m) { return m.RepaintStep(); };
  const TCoercedCase cases[] = {
      {"byte given 300 in 16 bits", TStreamBytes().Short("RepaintStep").Raw({0x03, 0x2C, 0x01}), repaintStep, 44,
       "RepaintStep"},
      {"byte given -1", TStreamBytes().Short("RepaintStepOffset").Raw({0x02, 0xFF}),
       [](TZarnel2ProModel& m) { return m.RepaintStepOffset(); }, 255, "RepaintStepOffset"},
      {"byte given 256 in 32 bits", TStreamBytes().Short("RepaintStep").Raw({0x04, 0x00, 0x01, 0x00, 0x00}),
       repaintStep, 0, "RepaintStep"},
      {"cursor given 70000", TStreamBytes().Short("Cursor").Raw({0x04, 0x70, 0x11, 0x01, 0x00}),
       [](TZarnel2ProModel& m) { return m.Settings().Cursor; }, 70000 - 65536, "Cursor"},
      {"colour given -1 in 8 bits", TStreamBytes().Short("ColorLeft").Raw({0x02, 0xFF}),
       [](TZarnel2ProModel& m) { return m.ColorLeft(); }, 0xFFFFFFFF, "ColorLeft"},
      {"character set given 511", TStreamBytes().Short("Font.Charset").Raw({0x03, 0xFF, 0x01}),
       [](TZarnel2ProModel& m) { return m.Font().Charset(); }, 255, "Font.Charset"},
      {"character set by name", TStreamBytes().Short("Font.Charset").Ident("OEM_CHARSET"),
       [](TZarnel2ProModel& m) { return m.Font().Charset(); }, 255, "Font.Charset"},
      {"cursor by name", TStreamBytes().Short("Cursor").Ident("crHandPoint"),
       [](TZarnel2ProModel& m) { return m.Settings().Cursor; }, -21, "Cursor"},
  };
  for (const TCoercedCase& c : cases) {
    SCOPED_TRACE(c.label);
    TLoad load;
    Load(load, Stream(c.record));
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(c.stored(load.control), c.expected);
    EXPECT_EQ(load.writes, std::vector<std::string>{c.write});
  }
}

TEST(ComponentReader, ACoercedByteIsWrittenBackAsStored) {
  TLoad load;
  Load(load, Stream(TStreamBytes().Short("RepaintStep").Raw({0x03, 0x2C, 0x01})));
  ASSERT_EQ(load.error, "");
  EXPECT_TRUE(Contains(Written(load.control), TStreamBytes().Short("RepaintStep").Raw({0x02, 0x2C})));
}

TEST(ComponentReader, IllFormedTextReadsAsThePlatformReadsIt) {
  const auto utf8 = [](std::string_view bytes) {
    return TStreamBytes().Raw({0x14, static_cast<std::uint8_t>(bytes.size()), 0x00, 0x00, 0x00}).Chars(bytes);
  };
  const auto utf16 = [](std::initializer_list<char16_t> units) {
    TStreamBytes bytes;
    bytes.Raw({0x12, static_cast<std::uint8_t>(units.size()), 0x00, 0x00, 0x00});
    for (const char16_t unit : units)
      bytes.Raw({static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)});
    return bytes;
  };
  const TTextValueCase cases[] = {
      {"bad continuation", utf8("a\xC3("), "a?("},
      {"overlong form", utf8("\xC0\x80z"), "??z"},
      {"sequence cut by the end", utf8("ab\xE2\x82"), "ab?"},
      {"sequence cut inside", utf8("\xF0\x9F\x98x"), "?x"},
      {"encoded surrogate", utf8("\xED\xA0\x80"), "???"},
      {"above U+10FFFF", utf8("\xF4\x90\x80\x80"), "????"},
      {"lead byte out of range", utf8("\xF5\xE9"), "??"},
      {"cp1252 letter among the bad", utf8("\xFF\xC3\xA9\x80"), "?\xE9?"},
      {"lone high surrogate", utf16({u'A', 0xD800, u'B'}), "A?B"},
      {"lone low surrogate", utf16({0xDC00, u'z'}), "?z"},
      {"surrogates in the wrong order", utf16({0xDC00, 0xD800}), "??"},
      {"high surrogate at the end", utf16({u'e', 0xD83D}), "e?"},
      {"pair", utf16({0xD83D, 0xDE00, u'!'}), "?!"},
  };
  for (const TTextValueCase& c : cases) {
    SCOPED_TRACE(c.label);
    TLoad load;
    Load(load, Stream(TStreamBytes().Short("Text").Append(c.value).Short("Hint").Raw({0x06, 0x01}).Chars("h")));
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.control.Text(), c.text);
    EXPECT_EQ(load.writes, (std::vector<std::string>{"Text", "Hint"}));
  }
}

// The stream's tests run with the sanitizer's allocation limit at 64 MB (AllocationLimit.cpp), so a
// reader that reserved what a length promises would abort here rather than fail.
TEST(ComponentReader, LengthsBeyondTheDataAreReadErrorsAndAreNeverAllocated) {
  const std::uint8_t huge[] = {0xF0, 0xFF, 0xFF, 0xFF};
  for (const std::uint8_t tag : {0x0C, 0x12, 0x14}) {
    SCOPED_TRACE(tag);
    TStreamBytes bytes;
    bytes.Header("TZarnel2Pro").Short("Text").Raw({tag, huge[0], huge[1], huge[2], huge[3]}).Chars("0123456789");
    for (const std::size_t chunk : {std::size_t{4096}, std::size_t{3}}) {
      TLoad load;
      Load(load, bytes.Bytes(), chunk);
      EXPECT_EQ(load.error, "Stream read error");
      EXPECT_EQ(load.control.Text(), "");
      EXPECT_EQ(load.component.loadedCount, 0);
    }
  }
}

TEST(ComponentReader, TheRangeRulesOfTheControlHoldWhateverTheStreamSays) {
  TLoad load;
  Load(load, Stream(TStreamBytes()
                        .Short("Min")
                        .Raw({0x03, 0xE8, 0x03})  // 1000, above Max
                        .Short("Position")
                        .Raw({0x04, 0xFF, 0xFF, 0xFF, 0x7F})
                        .Short("Max")
                        .Raw({0x04, 0x00, 0x00, 0x00, 0x80})));  // INT32_MIN, below Min
  ASSERT_EQ(load.error, "");
  // Max went below the Min of 0 the control had, and cut it to 1; the Min of 1000 was held until
  // the end of the load, and the stream's own Max then cuts it to 0.
  EXPECT_EQ(load.control.Min(), 0);
  EXPECT_EQ(load.control.Max(), 1);
  EXPECT_EQ(load.control.Position(), 1);
  EXPECT_EQ(load.writes, (std::vector<std::string>{"Min", "Position", "Max"}));
}

TEST(ComponentReader, ASavedRangeAboveTheControlsMaxComesBackWholeEvenWhenTheLoadFails) {
  const TStreamBytes range = TStreamBytes()
                                 .Header("TZarnel2Pro")
                                 .Short("Min")
                                 .Raw({0x03, 0xF4, 0x01})  // 500, above the control's Max of 100
                                 .Short("Max")
                                 .Raw({0x03, 0xE8, 0x03})  // 1000
                                 .Short("Position")
                                 .Raw({0x03, 0xBC, 0x02});  // 700
  TLoad load;
  Load(load, TStreamBytes().Append(range).End().Bytes());
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(load.control.Min(), 500);
  EXPECT_EQ(load.control.Max(), 1000);
  EXPECT_EQ(load.control.Position(), 700);

  TLoad failed;
  Load(failed, TStreamBytes().Append(range).Short("Bogus").Raw({0x02, 0x01}).End().Bytes());
  EXPECT_EQ(failed.error, "Property Bogus does not exist");
  EXPECT_EQ(failed.component.loadedCount, 0);
  EXPECT_EQ(failed.control.Min(), 500) << "the held Min goes in when the failed load ends its marks";
  EXPECT_EQ(failed.control.Max(), 1000);
  EXPECT_EQ(failed.control.Position(), 700);
}

}  // namespace
}  // namespace zarnel::stream::testing
