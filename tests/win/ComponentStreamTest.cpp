// The control saved to and loaded from component streams on real COM streams.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "ComStreams.h"
#include "Screen.h"
#include "StreamError.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;
using Bytes = std::vector<uint8_t>;

// Builds expected or crafted stream bytes piece by piece.
struct TBytes {
  Bytes b;
  TBytes& Raw(std::initializer_list<uint8_t> bytes) {
    b.insert(b.end(), bytes);
    return *this;
  }
  TBytes& Short(const std::string& s) {  // length byte, then the characters
    b.push_back(static_cast<uint8_t>(s.size()));
    b.insert(b.end(), s.begin(), s.end());
    return *this;
  }
  TBytes& Chars(const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
    return *this;
  }
  TBytes& Ident(const std::string& s) { return Raw({7}).Short(s); }
  TBytes& Header(const std::string& className = "TZarnel2Pro") {
    return Raw({'T', 'P', 'F', '0'}).Short(className).Raw({0});
  }
};

ComPtr<IStream> NewStream(const Bytes& content = {}) {
  ComPtr<IStream> s;
  EXPECT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &s), S_OK);
  if (!content.empty()) s->Write(content.data(), static_cast<ULONG>(content.size()), nullptr);
  s->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  return s;
}

uint64_t PositionOf(IStream* s) {
  ULARGE_INTEGER pos{};
  s->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &pos);
  return pos.QuadPart;
}

Bytes Contents(IStream* s) {
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  Bytes out(static_cast<size_t>(st.cbSize.QuadPart));
  s->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  s->Read(out.data(), static_cast<ULONG>(out.size()), &read);
  return out;
}

// Finds the value bytes that follow a property name in a stream, or an empty result.
Bytes ValueAfter(const Bytes& stream, const std::string& name, size_t count) {
  Bytes key{static_cast<uint8_t>(name.size())};
  key.insert(key.end(), name.begin(), name.end());
  auto it = std::search(stream.begin(), stream.end(), key.begin(), key.end());
  if (it == stream.end() || stream.end() - (it + key.size()) < static_cast<ptrdiff_t>(count)) return {};
  return Bytes(it + static_cast<ptrdiff_t>(key.size()), it + static_cast<ptrdiff_t>(key.size() + count));
}

bool Contains(const Bytes& stream, const std::string& text) {
  return std::search(stream.begin(), stream.end(), text.begin(), text.end()) != stream.end();
}

class ComponentStream : public HostedControl {
 protected:
  Bytes Saved() {
    auto s = NewStream();
    SaveComponent(s.Get(), bar);
    return Contents(s.Get());
  }
  // A second control in the same form, as a container would create it before loading.
  std::unique_ptr<TZarnel2Pro> NewControl() {
    auto c = std::make_unique<TZarnel2Pro>(nullptr);
    c->SetTop(120);
    c->SetParentWindow(host.Form().Handle());
    c->Handle();
    return c;
  }
  void Load(const Bytes& bytes, TZarnel2Pro& target) { LoadComponent(NewStream(bytes).Get(), target); }
};

TEST_F(ComponentStream, WorkedExampleByteForByte) {
  bar.SetLeft(0);
  bar.SetTop(0);
  bar.SetRepaintStep(5);
  const Bytes expected = TBytes{}
                             .Header()
                             .Short("Left")
                             .Raw({2, 0})
                             .Short("Top")
                             .Raw({2, 0})
                             .Short("Width")
                             .Raw({3, 0x85, 0})
                             .Short("Height")
                             .Raw({2, 0x14})
                             .Short("RepaintStepOffset")
                             .Raw({2, 0})
                             .Short("RepaintStep")
                             .Raw({2, 5})
                             .Short("TransparentColor")
                             .Raw({8})
                             .Short("TransparentColorValue")
                             .Ident("clWhite")
                             .Short("ColorLeft")
                             .Ident("clNavy")
                             .Short("ColorRight")
                             .Ident("clWhite")
                             .Short("BorderWidth")
                             .Raw({2, 0})
                             .Short("FontColorLeft")
                             .Ident("clWhite")
                             .Short("FontColorRight")
                             .Ident("clBlack")
                             .Short("Position")
                             .Raw({2, 0x14})
                             .Raw({0, 0})
                             .b;
  ASSERT_EQ(expected.size(), 243u);
  EXPECT_EQ(Saved(), expected);
}

TEST_F(ComponentStream, StringTagsThroughTheSystemCodePage) {
  struct Case {
    std::string text;
    Bytes head;  // tag and length bytes
    size_t payload;
  };
  const Case cases[] = {
      {"Hello", {6, 5}, 5},
      {"abc\xE9", {20, 5, 0, 0, 0}, 5},  // e acute of code page 1252: two UTF-8 bytes
      {std::string(300, 'a'), {12, 0x2C, 1, 0, 0}, 300},
      {"\xE9", {18, 1, 0, 0, 0}, 2},  // one UTF-16 unit
  };
  for (const Case& c : cases) {
    bar.SetText(c.text);
    const Bytes value = ValueAfter(Saved(), "Text", c.head.size() + c.payload);
    ASSERT_EQ(value.size(), c.head.size() + c.payload) << c.text.size();
    EXPECT_EQ(Bytes(value.begin(), value.begin() + static_cast<ptrdiff_t>(c.head.size())), c.head) << c.text.size();
  }
}

TEST_F(ComponentStream, IntegerAndColourEncodings) {
  bar.SetRepaintStep(200);
  bar.SetColorLeft(clBtnFace);
  bar.SetColorRight(0x0080FF);
  const Bytes s = Saved();
  EXPECT_EQ(ValueAfter(s, "RepaintStep", 3), (Bytes{3, 200, 0}));
  EXPECT_EQ(ValueAfter(s, "ColorLeft", 11), (TBytes{}.Ident("clBtnFace").b));
  EXPECT_EQ(ValueAfter(s, "ColorRight", 5), (Bytes{4, 0xFF, 0x80, 0, 0}));
}

TEST_F(ComponentStream, FontOnlyWithoutParentFontAndConstraintsNested) {
  bar.Font().SetHeight(-13);
  // A change of the control's own font ends its use of the parent's.
  EXPECT_FALSE(bar.ParentFont());
  bar.Settings().ParentFont = true;
  EXPECT_FALSE(Contains(Saved(), "Font."));
  bar.Settings().ParentFont = false;
  bar.Constraints().SetMaxHeight(50);
  const Bytes s = Saved();
  const char* order[] = {"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style", "FontColorLeft"};
  size_t last = 0;
  for (const char* name : order) {
    const std::string n(name);
    const auto at = std::search(s.begin(), s.end(), n.begin(), n.end());
    ASSERT_NE(at, s.end()) << name;
    EXPECT_GT(static_cast<size_t>(at - s.begin()), last) << name;
    last = static_cast<size_t>(at - s.begin());
  }
  EXPECT_FALSE(Contains(s, "Font.Pitch"));  // default pitch is not written
  EXPECT_EQ(ValueAfter(s, "Font.Height", 2), (Bytes{2, 0xF3}));
  EXPECT_EQ(ValueAfter(s, "Font.Charset", 17), (TBytes{}.Ident("DEFAULT_CHARSET").b));
  EXPECT_EQ(ValueAfter(s, "Constraints.MaxHeight", 2), (Bytes{2, 50}));
  EXPECT_FALSE(Contains(s, "Constraints.MinWidth"));
  EXPECT_TRUE(Contains(s, "ParentFont"));
}

TEST_F(ComponentStream, RoundTripRestoresEveryWrittenProperty) {
  bar.SetMax(500);
  bar.SetMin(-20);
  bar.SetPosition(321);
  bar.SetColorLeft(0x123456);
  bar.SetColorRight(clBtnFace);
  bar.SetFontColorLeft(0x00FF00);
  bar.SetFontColorRight(0x0000FF);
  bar.SetText("Copying \xE9t\xE9");
  bar.SetShowText(false);
  bar.SetWrapExceeded(true);
  bar.SetRepaintStep(4);
  bar.SetRepaintStepOffset(2);
  bar.SetTransparentColor(true);
  bar.SetTransparentColorValue(0x00FF00);
  bar.SetBevelKind(bkSoft);
  bar.SetBevelCut(BevelOuterIndex, bvSpace);
  bar.SetBorderWidth(2);
  bar.Settings().ParentFont = false;
  bar.Font().SetName("Tahoma");
  bar.Font().SetStyle(fsBold | fsItalic);
  bar.Font().SetPitch(TFontPitch::fpVariable);
  bar.Settings().Hint = "progress";
  bar.Settings().ParentShowHint = false;
  bar.Settings().ShowHint = true;
  bar.Settings().Cursor = -21;
  bar.Settings().Align = TAlign::alTop;
  bar.SetTag(77);

  auto s = NewStream();
  SaveComponent(s.Get(), bar);
  const uint64_t end = PositionOf(s.Get());
  const uint8_t trailer[] = {0xAB, 0xCD, 0xEF};  // whatever a container stores after the control
  s->Write(trailer, sizeof trailer, nullptr);
  s->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);

  auto copy = NewControl();
  LoadComponent(s.Get(), *copy);
  EXPECT_EQ(PositionOf(s.Get()), end);  // read-ahead given back
  EXPECT_FALSE(copy->IsLoading());
  EXPECT_EQ(copy->Min(), -20);
  EXPECT_EQ(copy->Max(), 500);
  EXPECT_EQ(copy->Position(), 321);
  EXPECT_EQ(copy->ColorLeft(), 0x123456u);
  EXPECT_EQ(copy->ColorRight(), clBtnFace);
  EXPECT_EQ(copy->FontColorLeft(), 0x00FF00u);
  EXPECT_EQ(copy->FontColorRight(), 0x0000FFu);
  EXPECT_EQ(copy->Text(), "Copying \xE9t\xE9");
  EXPECT_FALSE(copy->ShowText());
  EXPECT_TRUE(copy->WrapExceeded());
  EXPECT_EQ(copy->RepaintStep(), 4);
  EXPECT_EQ(copy->RepaintStepOffset(), 2);
  EXPECT_TRUE(copy->TransparentColor());
  EXPECT_EQ(copy->TransparentColorValue(), 0x00FF00u);
  EXPECT_EQ(copy->BevelKind(), bkSoft);
  EXPECT_EQ(copy->BevelOuter(), bvSpace);
  EXPECT_EQ(copy->BevelInner(), bvRaised);
  EXPECT_EQ(copy->BorderWidth(), 2);
  EXPECT_FALSE(copy->Settings().ParentFont);
  EXPECT_EQ(copy->Font().Name(), "Tahoma");
  EXPECT_EQ(copy->Font().Style(), fsBold | fsItalic);
  EXPECT_EQ(copy->Font().Pitch(), TFontPitch::fpVariable);
  EXPECT_EQ(copy->Settings().Hint, "progress");
  EXPECT_TRUE(copy->Settings().ShowHint);
  EXPECT_FALSE(copy->Settings().ParentShowHint);
  EXPECT_EQ(copy->Settings().Cursor, -21);
  EXPECT_EQ(copy->Settings().Align, TAlign::alTop);
  EXPECT_EQ(copy->Tag(), 77);
  EXPECT_EQ(copy->Width(), bar.Width());
  EXPECT_EQ(copy->Left(), bar.Left());
  EXPECT_EQ(copy->Top(), bar.Top());
}

TEST_F(ComponentStream, ValuesApplyThroughTheSettersWithTheirRepaints) {
  Scribble(host.ControlWindow(), 0xFF00FF);
  Load(TBytes{}.Header("TSomethingElse").Short("ColorLeft").Ident("clRed").Short("ShowText").Raw({8, 0, 0}).b, bar);
  const TPixels px = CaptureClient(host.ControlWindow());
  EXPECT_EQ(px.At(0, 0), 0x0000FFu);  // drawn at once by the setter, whatever class the stream named
  EXPECT_EQ(px.At(132, 19), 0xFFFFFFu);
}

TEST_F(ComponentStream, UnknownPropertyFailsAfterEarlierOnesApplied) {
  const Bytes s = TBytes{}
                      .Header()
                      .Short("ColorLeft")
                      .Ident("clRed")
                      .Short("Bogus")
                      .Raw({2, 1})
                      .Short("Max")
                      .Raw({2, 7})
                      .Raw({0, 0})
                      .b;
  try {
    Load(s, bar);
    FAIL() << "loaded";
  } catch (const stream::EStreamError& e) {
    EXPECT_STREQ(e.what(), "Property Bogus does not exist");
  }
  EXPECT_EQ(bar.ColorLeft(), 0x0000FFu);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_FALSE(bar.IsLoading());
}

TEST_F(ComponentStream, FlagPrefixMixedCaseAndBadValues) {
  // Flag prefix without and with its integer; names and identifiers in any letter case.
  Load(TBytes{}
           .Raw({'T', 'P', 'F', '0', 0xF0})
           .Short("TZarnel2Pro")
           .Raw({0})
           .Short("colorleft")
           .Ident("CLNAVY")
           .Raw({0, 0})
           .b,
       bar);
  EXPECT_EQ(bar.ColorLeft(), 0x800000u);
  Load(TBytes{}.Raw({'T', 'P', 'F', '0', 0xF2, 2, 5}).Short("X").Raw({0}).Short("MAX").Raw({2, 50}).Raw({0, 0}).b, bar);
  EXPECT_EQ(bar.Max(), 50);

  const struct {
    Bytes stream;
    const char* message;
  } bad[] = {
      {TBytes{}.Header().Short("BevelKind").Ident("bkBogus").Raw({0, 0}).b, "Invalid property value"},
      {TBytes{}.Header().Short("Position").Raw({6, 1, 'x'}).Raw({0, 0}).b, "Invalid property value"},
      {TBytes{}.Header().Short("OnClick").Ident("Handler").Raw({0, 0}).b, "Invalid property value"},
      {TBytes{}.Raw({'T', 'P', 'F', '1'}).b, "Invalid stream format"},
      {TBytes{}.Header().Short("Max").Raw({4, 1}).b, "Stream read error"},
      {TBytes{}.Raw({'T', 'P', 'F', '0'}).Short("T").Short("1abc").b, "''1abc'' is not a valid component name"},
  };
  for (const auto& c : bad) {
    try {
      Load(c.stream, bar);
      ADD_FAILURE() << "loaded: " << c.message;
    } catch (const stream::EStreamError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(bar.BevelKind(), bkNone);  // never an out-of-range bevel value
  EXPECT_EQ(bar.Max(), 50);
}

TEST_F(ComponentStream, IntegersOfAnyTagAreStoredAtThePropertysWidthThroughTheSetter) {
  Load(TBytes{}
           .Header()
           .Short("RepaintStep")
           .Raw({3, 0x2C, 0x01})  // 300
           .Short("Cursor")
           .Raw({4, 0x70, 0x11, 0x01, 0x00})  // 70000
           .Short("ColorLeft")
           .Raw({2, 0xFF})  // -1
           .Raw({0, 0})
           .b,
       bar);
  EXPECT_EQ(bar.RepaintStep(), 44);
  EXPECT_EQ(bar.Settings().Cursor, 70000 - 65536);
  EXPECT_EQ(bar.ColorLeft(), 0xFFFFFFFFu);
  EXPECT_EQ(ValueAfter(Saved(), "RepaintStep", 2), (Bytes{2, 44}));
}

TEST_F(ComponentStream, IllFormedTextLoadsWithTheCodePagesDefaultCharacter) {
  const std::string utf8 = "a\xC3(\xED\xA0\x80z";  // a lead without its continuation, an encoded surrogate
  Load(TBytes{}
           .Header()
           .Short("Text")
           .Raw({20, static_cast<uint8_t>(utf8.size()), 0, 0, 0})
           .Chars(utf8)
           .Short("Hint")
           .Raw({18, 3, 0, 0, 0, 'A', 0, 0x00, 0xD8, 'B', 0})  // an unpaired surrogate
           .Raw({0, 0})
           .b,
       bar);
  EXPECT_EQ(bar.Text(), "a?(???z");
  EXPECT_EQ(bar.Settings().Hint, "A?B");
}

TEST_F(ComponentStream, NilClearsAnEventHook) {
  bool clicked = false;
  bar.OnClick = [&](TObject*) { clicked = true; };
  Load(TBytes{}.Header().Short("OnClick").Raw({13}).Raw({0, 0}).b, bar);
  EXPECT_FALSE(bar.OnClick);
  EXPECT_FALSE(clicked);
}

}  // namespace
}  // namespace zarnel::test
