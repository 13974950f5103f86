#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "ModelComponent.h"
#include "StreamBytes.h"
#include "StreamWriter.h"
#include "Zarnel2ProModel.h"

namespace zarnel::stream::testing {
namespace {

std::vector<std::uint8_t> Written(TZarnel2ProModel& control, std::string_view name = {}) {
  TModelComponent component(control);
  component.SetName(name);
  TMemorySink sink;
  WriteComponentStream(sink, component, TCp1252CodePage{});
  return sink.bytes;
}

std::vector<std::uint8_t> Written(const std::function<void(TZarnel2ProModel&)>& setUp) {
  TZarnel2ProModel control;
  setUp(control);
  return Written(control);
}

TEST(ComponentWriter, WorkedExampleIsReproducedByteForByte) {
  TZarnel2ProModel control;
  control.SetRepaintStep(5);

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
    const auto bytes = Written([&](TZarnel2ProModel& m) { m.SetText(c.text); });
    const TStreamBytes tail = TStreamBytes().Short("Text").Append(c.value).End();
    ASSERT_GE(bytes.size(), tail.Size());
    EXPECT_TRUE(
        std::equal(tail.Bytes().begin(), tail.Bytes().end(), bytes.end() - static_cast<std::ptrdiff_t>(tail.Size())));
  }
}

struct TRecordCase {
  const char* label;
  std::function<void(TZarnel2ProModel&)> setUp;
  TStreamBytes record;
};

TEST(ComponentWriter, IntegersUseNamesOrTheSmallestIntegerTag) {
  const TRecordCase cases[] = {
      {"byte above 127", [](auto& m) { m.SetRepaintStep(200); },
       TStreamBytes().Short("RepaintStep").Raw({0x03, 0xC8, 0x00})},
      {"byte 127", [](auto& m) { m.SetRepaintStep(127); }, TStreamBytes().Short("RepaintStep").Raw({0x02, 0x7F})},
      {"named system colour", [](auto& m) { m.SetColorLeft(0xFF00000F); },
       TStreamBytes().Short("ColorLeft").Ident("clBtnFace")},
      {"unnamed colour", [](auto& m) { m.SetColorLeft(0x0080FF); },
       TStreamBytes().Short("ColorLeft").Raw({0x04, 0xFF, 0x80, 0x00, 0x00})},
      {"unnamed system colour", [](auto& m) { m.SetColorLeft(0xFF000019); },
       TStreamBytes().Short("ColorLeft").Raw({0x04, 0x19, 0x00, 0x00, 0xFF})},
      {"clNone", [](auto& m) { m.SetColorRight(0x1FFFFFFF); }, TStreamBytes().Short("ColorRight").Ident("clNone")},
      {"int8 lower edge",
       [](auto& m) {
         m.SetMin(-1000);
         m.SetPosition(-128);
       },
       TStreamBytes().Short("Position").Raw({0x02, 0x80})},
      {"int16 lower edge",
       [](auto& m) {
         m.SetMin(-1000);
         m.SetPosition(-129);
       },
       TStreamBytes().Short("Position").Raw({0x03, 0x7F, 0xFF})},
      {"int32",
       [](auto& m) {
         m.SetMax(40000);
         m.SetPosition(32768);
       },
       TStreamBytes().Short("Position").Raw({0x04, 0x00, 0x80, 0x00, 0x00})},
      {"first cursor name wins", [](auto& m) { m.Settings().Cursor = -22; },
       TStreamBytes().Short("Cursor").Ident("crSizeAll")},
      {"unnamed cursor", [](auto& m) { m.Settings().Cursor = -5; }, TStreamBytes().Short("Cursor").Raw({0x02, 0xFB})},
      {"Tag", [](auto& m) { m.SetTag(70000); }, TStreamBytes().Short("Tag").Raw({0x04, 0x70, 0x11, 0x01, 0x00})},
      {"Max", [](auto& m) { m.SetMax(1000); }, TStreamBytes().Short("Max").Raw({0x03, 0xE8, 0x03})},
  };
  for (const TRecordCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_TRUE(Contains(Written(c.setUp), c.record));
  }
}

TEST(ComponentWriter, EnumerationsBooleansAndSetsAreIdentifiers) {
  const TRecordCase cases[] = {
      {"Align", [](auto& m) { m.Settings().Align = TAlign::alBottom; },
       TStreamBytes().Short("Align").Ident("alBottom")},
      {"HelpType", [](auto& m) { m.Settings().HelpType = THelpType::htKeyword; },
       TStreamBytes().Short("HelpType").Ident("htKeyword")},
      {"BevelKind", [](auto& m) { m.SetBevelKind(bkFlat); }, TStreamBytes().Short("BevelKind").Ident("bkFlat")},
      {"BevelOuter", [](auto& m) { m.SetBevelCut(BevelOuterIndex, bvSpace); },
       TStreamBytes().Short("BevelOuter").Ident("bvSpace")},
      {"BevelInner", [](auto& m) { m.SetBevelCut(BevelInnerIndex, bvNone); },
       TStreamBytes().Short("BevelInner").Ident("bvNone")},
      {"Enabled", [](auto& m) { m.SetEnabled(false); }, TStreamBytes().Short("Enabled").Raw({0x08})},
      {"WrapExceeded", [](auto& m) { m.SetWrapExceeded(true); }, TStreamBytes().Short("WrapExceeded").Raw({0x09})},
      {"anchors in ascending order", [](auto& m) { m.Settings().Anchors = akRight | akLeft; },
       TStreamBytes().Short("Anchors").Raw({0x0B}).Short("akLeft").Short("akRight").Raw({0x00})},
      {"empty anchors", [](auto& m) { m.Settings().Anchors = 0; }, TStreamBytes().Short("Anchors").Raw({0x0B, 0x00})},
      {"anchors other than alRight implies",
       [](auto& m) {
         m.Settings().Align = TAlign::alRight;
         m.Settings().Anchors = akTop | akRight;
       },
       TStreamBytes().Short("Anchors").Raw({0x0B}).Short("akTop").Short("akRight").Raw({0x00})},
      {"ShowHint while ParentShowHint is false", [](auto& m) { m.Settings().ParentShowHint = false; },
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
  std::function<void(TZarnel2ProModel&)> setUp;
  std::string_view name;
};

TEST(ComponentWriter, PropertiesThatAreNotStoredAreLeftOut) {
  const TOmittedCase cases[] = {
      {"anchors implied by alTop",
       [](auto& m) {
         m.Settings().Align = TAlign::alTop;
         m.Settings().Anchors = akLeft | akTop | akRight;
       },
       "Anchors"},
      {"anchors implied by alBottom",
       [](auto& m) {
         m.Settings().Align = TAlign::alBottom;
         m.Settings().Anchors = akLeft | akRight | akBottom;
       },
       "Anchors"},
      {"anchors implied by alLeft",
       [](auto& m) {
         m.Settings().Align = TAlign::alLeft;
         m.Settings().Anchors = akLeft | akTop | akBottom;
       },
       "Anchors"},
      {"anchors implied by alRight",
       [](auto& m) {
         m.Settings().Align = TAlign::alRight;
         m.Settings().Anchors = akRight | akTop | akBottom;
       },
       "Anchors"},
      {"anchors implied by alClient",
       [](auto& m) {
         m.Settings().Align = TAlign::alClient;
         m.Settings().Anchors = akLeft | akTop | akRight | akBottom;
       },
       "Anchors"},
      {"default anchors under alTop", [](auto& m) { m.Settings().Align = TAlign::alTop; }, "Anchors"},
      {"ShowHint while ParentShowHint holds", [](auto& m) { m.Settings().ShowHint = true; }, "ShowHint"},
      {"Font while ParentFont holds",
       [](auto& m) {
         m.Font().SetHeight(-20);
         m.SetParentFont(true);
       },
       "Font.Height"},
      {"events, although assigned", [](auto&) {}, "OnClick"},
  };
  for (const TOmittedCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(Contains(Written(c.setUp), TStreamBytes().Short(c.name)));
  }
}

TEST(ComponentWriter, FontIsWrittenNestedInItsOwnOrderWhileParentFontIsFalse) {
  const auto written = [](TFontPitch pitch, TFontStyles style) {
    return Written([&](TZarnel2ProModel& m) {
      m.Font().SetCharset(204);
      m.Font().SetColor(0x0080FF);
      m.Font().SetHeight(-13);
      m.Font().SetName("Tahoma");
      m.Font().SetPitch(pitch);
      m.Font().SetStyle(style);
      m.SetParentFont(false);
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

  EXPECT_TRUE(Contains(written(TFontPitch::fpDefault, 0),
                       TStreamBytes().Append(common).Short("Font.Style").Raw({0x0B, 0x00}).Short("FontColorLeft")));
  EXPECT_TRUE(Contains(written(TFontPitch::fpFixed, fsStrikeOut | fsBold), TStreamBytes()
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
  const auto bytes = Written([](TZarnel2ProModel& m) {
    m.Constraints().SetMaxHeight(50);
    m.Constraints().SetMinWidth(10);
  });
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
  TZarnel2ProModel control;
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
