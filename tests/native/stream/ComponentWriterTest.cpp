#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "StreamBytes.h"
#include "StreamWriter.h"
#include "Zarnel2ProComponent.h"
#include "Zarnel2ProDouble.h"

namespace zarnel::stream::testing {
namespace {

std::vector<std::uint8_t> Written(TZarnel2ProDouble& control, std::string_view name = {}) {
  TZarnel2ProComponent component(control);
  component.SetName(name);
  TMemorySink sink;
  WriteComponentStream(sink, component, TCp1252CodePage{});
  return sink.bytes;
}

std::vector<std::uint8_t> Written(const std::function<void(TZarnel2ProState&)>& setUp) {
  TZarnel2ProDouble control;
  setUp(control.state);
  return Written(control);
}

TEST(ComponentWriter, WorkedExampleIsReproducedByteForByte) {
  TZarnel2ProDouble control;
  control.state.repaintStep = 5;

  TStreamBytes expected;
  expected.Chars("TPF0").Raw({0x0B}).Chars("TZarnel2Pro").Raw({0x00});
  expected.Raw({0x04}).Chars("Left").Raw({0x02, 0x00});
  expected.Raw({0x03}).Chars("Top").Raw({0x02, 0x00});
  expected.Raw({0x05}).Chars("Width").Raw({0x03, 0x85, 0x00});
  expected.Raw({0x06}).Chars("Height").Raw({0x02, 0x14});
  expected.Raw({0x11}).Chars("RepaintStepOffset").Raw({0x02, 0x00});
  expected.Raw({0x0B}).Chars("RepaintStep").Raw({0x02, 0x05});
  expected.Raw({0x10}).Chars("TransparentColor").Raw({0x08});
  expected.Raw({0x15}).Chars("TransparentColorValue").Raw({0x07, 0x07}).Chars("clWhite");
  expected.Raw({0x09}).Chars("ColorLeft").Raw({0x07, 0x06}).Chars("clNavy");
  expected.Raw({0x0A}).Chars("ColorRight").Raw({0x07, 0x07}).Chars("clWhite");
  expected.Raw({0x0B}).Chars("BorderWidth").Raw({0x02, 0x00});
  expected.Raw({0x0D}).Chars("FontColorLeft").Raw({0x07, 0x07}).Chars("clWhite");
  expected.Raw({0x0E}).Chars("FontColorRight").Raw({0x07, 0x07}).Chars("clBlack");
  expected.Raw({0x08}).Chars("Position").Raw({0x02, 0x14});
  expected.Raw({0x00, 0x00});

  ASSERT_EQ(expected.Size(), 243u);
  EXPECT_EQ(Written(control), expected.Bytes());
}

struct TTextCase {
  const char* label;
  std::string text;
  TStreamBytes value;
};

TEST(ComponentWriter, TextTakesTheSmallestFaithfulStringTag) {
  const TTextCase cases[] = {
      {"five ASCII letters", "Hello", TStreamBytes().Raw({0x06, 0x05}).Chars("Hello")},
      {"accented cp1252 letter", "abc\xE9", TStreamBytes().Raw({0x14, 0x05, 0x00, 0x00, 0x00}).Chars("abc\xC3\xA9")},
      {"300 letters", std::string(300, 'q'),
       TStreamBytes().Raw({0x0C, 0x2C, 0x01, 0x00, 0x00}).Chars(std::string(300, 'q'))},
      {"one non-ASCII letter", "\xE9", TStreamBytes().Raw({0x12, 0x01, 0x00, 0x00, 0x00, 0xE9, 0x00})},
      {"euro sign and letter",
       "\x80"
       "a",
       TStreamBytes().Raw({0x12, 0x02, 0x00, 0x00, 0x00, 0xAC, 0x20, 0x61, 0x00})},
  };
  for (const TTextCase& c : cases) {
    SCOPED_TRACE(c.label);
    const auto bytes = Written([&](TZarnel2ProState& s) { s.text = c.text; });
    const TStreamBytes tail = TStreamBytes().Short("Text").Append(c.value).End();
    ASSERT_GE(bytes.size(), tail.Size());
    EXPECT_TRUE(
        std::equal(tail.Bytes().begin(), tail.Bytes().end(), bytes.end() - static_cast<std::ptrdiff_t>(tail.Size())));
  }
}

struct TRecordCase {
  const char* label;
  std::function<void(TZarnel2ProState&)> setUp;
  TStreamBytes record;
};

TEST(ComponentWriter, IntegersUseNamesOrTheSmallestIntegerTag) {
  const TRecordCase cases[] = {
      {"byte above 127", [](auto& s) { s.repaintStep = 200; },
       TStreamBytes().Short("RepaintStep").Raw({0x03, 0xC8, 0x00})},
      {"byte 127", [](auto& s) { s.repaintStep = 127; }, TStreamBytes().Short("RepaintStep").Raw({0x02, 0x7F})},
      {"named system colour", [](auto& s) { s.colorLeft = 0xFF00000F; },
       TStreamBytes().Short("ColorLeft").Ident("clBtnFace")},
      {"unnamed colour", [](auto& s) { s.colorLeft = 0x0080FF; },
       TStreamBytes().Short("ColorLeft").Raw({0x04, 0xFF, 0x80, 0x00, 0x00})},
      {"unnamed system colour", [](auto& s) { s.colorLeft = 0xFF000019; },
       TStreamBytes().Short("ColorLeft").Raw({0x04, 0x19, 0x00, 0x00, 0xFF})},
      {"clNone", [](auto& s) { s.colorRight = 0x1FFFFFFF; }, TStreamBytes().Short("ColorRight").Ident("clNone")},
      {"int8 lower edge", [](auto& s) { s.position = -128; }, TStreamBytes().Short("Position").Raw({0x02, 0x80})},
      {"int16 lower edge", [](auto& s) { s.position = -129; },
       TStreamBytes().Short("Position").Raw({0x03, 0x7F, 0xFF})},
      {"int32", [](auto& s) { s.position = 32768; },
       TStreamBytes().Short("Position").Raw({0x04, 0x00, 0x80, 0x00, 0x00})},
      {"first cursor name wins", [](auto& s) { s.cursor = -22; }, TStreamBytes().Short("Cursor").Ident("crSizeAll")},
      {"unnamed cursor", [](auto& s) { s.cursor = -5; }, TStreamBytes().Short("Cursor").Raw({0x02, 0xFB})},
      {"Tag", [](auto& s) { s.tag = 70000; }, TStreamBytes().Short("Tag").Raw({0x04, 0x70, 0x11, 0x01, 0x00})},
      {"Max", [](auto& s) { s.max = 1000; }, TStreamBytes().Short("Max").Raw({0x03, 0xE8, 0x03})},
  };
  for (const TRecordCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_TRUE(Contains(Written(c.setUp), c.record));
  }
}

TEST(ComponentWriter, EnumerationsBooleansAndSetsAreIdentifiers) {
  using enum TAnchorKind;
  const TRecordCase cases[] = {
      {"Align", [](auto& s) { s.align = TAlign::alBottom; }, TStreamBytes().Short("Align").Ident("alBottom")},
      {"HelpType", [](auto& s) { s.helpType = THelpType::htKeyword; },
       TStreamBytes().Short("HelpType").Ident("htKeyword")},
      {"BevelKind", [](auto& s) { s.bevelKind = TBevelKind::bkFlat; },
       TStreamBytes().Short("BevelKind").Ident("bkFlat")},
      {"BevelOuter", [](auto& s) { s.bevelOuter = TBevelCut::bvSpace; },
       TStreamBytes().Short("BevelOuter").Ident("bvSpace")},
      {"BevelInner", [](auto& s) { s.bevelInner = TBevelCut::bvNone; },
       TStreamBytes().Short("BevelInner").Ident("bvNone")},
      {"Enabled", [](auto& s) { s.enabled = false; }, TStreamBytes().Short("Enabled").Raw({0x08})},
      {"WrapExceeded", [](auto& s) { s.wrapExceeded = true; }, TStreamBytes().Short("WrapExceeded").Raw({0x09})},
      {"anchors in ascending order",
       [](auto& s) {
         s.anchors = {akRight, akLeft};
       },
       TStreamBytes().Short("Anchors").Raw({0x0B}).Short("akLeft").Short("akRight").Raw({0x00})},
      {"empty anchors", [](auto& s) { s.anchors = {}; }, TStreamBytes().Short("Anchors").Raw({0x0B, 0x00})},
      {"anchors other than alRight implies",
       [](auto& s) {
         s.align = TAlign::alRight;
         s.anchors = {akTop, akRight};
       },
       TStreamBytes().Short("Anchors").Raw({0x0B}).Short("akTop").Short("akRight").Raw({0x00})},
      {"ShowHint while ParentShowHint is false", [](auto& s) { s.parentShowHint = false; },
       TStreamBytes()
           .Short("ParentShowHint")
           .Raw({0x08})
           .Short("Position")
           .Raw({0x02, 0x14})
           .Short("ShowHint")
           .Raw({0x08})},
  };
  for (const TRecordCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_TRUE(Contains(Written(c.setUp), c.record));
  }
}

struct TOmittedCase {
  const char* label;
  std::function<void(TZarnel2ProState&)> setUp;
  std::string_view name;
};

TEST(ComponentWriter, PropertiesThatAreNotStoredAreLeftOut) {
  using enum TAnchorKind;
  const TOmittedCase cases[] = {
      {"anchors implied by alTop",
       [](auto& s) {
         s.align = TAlign::alTop;
         s.anchors = {akLeft, akTop, akRight};
       },
       "Anchors"},
      {"anchors implied by alBottom",
       [](auto& s) {
         s.align = TAlign::alBottom;
         s.anchors = {akLeft, akRight, akBottom};
       },
       "Anchors"},
      {"anchors implied by alLeft",
       [](auto& s) {
         s.align = TAlign::alLeft;
         s.anchors = {akLeft, akTop, akBottom};
       },
       "Anchors"},
      {"anchors implied by alRight",
       [](auto& s) {
         s.align = TAlign::alRight;
         s.anchors = {akRight, akTop, akBottom};
       },
       "Anchors"},
      {"anchors implied by alClient",
       [](auto& s) {
         s.align = TAlign::alClient;
         s.anchors = {akLeft, akTop, akRight, akBottom};
       },
       "Anchors"},
      {"default anchors under alTop", [](auto& s) { s.align = TAlign::alTop; }, "Anchors"},
      {"ShowHint while ParentShowHint holds", [](auto& s) { s.showHint = true; }, "ShowHint"},
      {"Font while ParentFont holds", [](auto& s) { s.font.height = -20; }, "Font.Height"},
      {"events, although assigned", [](auto&) {}, "OnClick"},
  };
  for (const TOmittedCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(Contains(Written(c.setUp), TStreamBytes().Short(c.name)));
  }
}

TEST(ComponentWriter, FontIsWrittenNestedInItsOwnOrderWhileParentFontIsFalse) {
  const auto written = [](TFontPitch pitch, TFontStyles style) {
    return Written([&](TZarnel2ProState& s) {
      s.parentFont = false;
      s.font = {204, 0x0080FF, -13, "Tahoma", pitch, style};
    });
  };
  const TStreamBytes common = TStreamBytes()
                                  .Short("BorderWidth")
                                  .Raw({0x02, 0x00})
                                  .Short("Font.Charset")
                                  .Ident("RUSSIAN_CHARSET")
                                  .Short("Font.Color")
                                  .Raw({0x04, 0xFF, 0x80, 0x00, 0x00})
                                  .Short("Font.Height")
                                  .Raw({0x02, 0xF3})
                                  .Short("Font.Name")
                                  .Raw({0x06})
                                  .Short("Tahoma");

  EXPECT_TRUE(Contains(written(TFontPitch::fpDefault, {}),
                       TStreamBytes().Append(common).Short("Font.Style").Raw({0x0B, 0x00}).Short("FontColorLeft")));
  EXPECT_TRUE(Contains(written(TFontPitch::fpFixed, {TFontStyle::fsStrikeOut, TFontStyle::fsBold}),
                       TStreamBytes()
                           .Append(common)
                           .Short("Font.Pitch")
                           .Ident("fpFixed")
                           .Short("Font.Style")
                           .Raw({0x0B})
                           .Short("fsBold")
                           .Short("fsStrikeOut")
                           .Raw({0x00})
                           .Short("FontColorLeft")));
}

TEST(ComponentWriter, ConstraintsWriteTheirNonZeroValuesNested) {
  const auto bytes = Written([](TZarnel2ProState& s) { s.constraints = {50, 0, 0, 10}; });
  EXPECT_TRUE(Contains(bytes, TStreamBytes()
                                  .Short("BorderWidth")
                                  .Raw({0x02, 0x00})
                                  .Short("Constraints.MaxHeight")
                                  .Raw({0x02, 0x32})
                                  .Short("Constraints.MinWidth")
                                  .Raw({0x02, 0x0A})
                                  .Short("FontColorLeft")));
}

TEST(ComponentWriter, ComponentNameIsCutTo255Characters) {
  TZarnel2ProDouble control;
  const auto bytes = Written(control, std::string(300, 'n'));
  const TStreamBytes header = TStreamBytes().Header("TZarnel2Pro", std::string(255, 'n')).Short("Left");
  EXPECT_TRUE(std::equal(header.Bytes().begin(), header.Bytes().end(), bytes.begin()));
}

TEST(StreamWriter, BuffersOutputInBlocksOf4096Bytes) {
  TMemorySink sink;
  TStreamWriter writer(sink);
  writer.WriteSignature();
  EXPECT_TRUE(sink.writeSizes.empty());
  writer.WriteString(std::string(9000, 'x'), TCp1252CodePage{});
  EXPECT_EQ(sink.writeSizes, (std::vector<std::size_t>{4096, 4096}));
  writer.Flush();
  EXPECT_EQ(sink.writeSizes, (std::vector<std::size_t>{4096, 4096, 4 + 5 + 9000 - 8192}));
}

}  // namespace
}  // namespace zarnel::stream::testing
