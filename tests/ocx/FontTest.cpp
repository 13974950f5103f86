// The Font member: one automation font connected to the control's font both ways, what a put takes
// over (sizes rounded to whole points, the Bold flag deciding boldness), what it refuses, and the
// references it leaves. The effect is read where a user sees it: the caption's drawn extent.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <utility>

#include "ClientApartment.h"
#include "ClientErrorInfo.h"
#include "ClientFont.h"
#include "ClientObject.h"
#include "ReportingFont.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr TColor White = 0xFFFFFF;


// The caption as the control measures it (TextW) and as it lands on the screen: the extent of the
// pixels that are not the bar's white, with the whole bar in the right-hand colours.
struct TCaption {
  LONG TextW = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool operator==(const TCaption&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TCaption& caption) {
  return out << "TextW " << caption.TextW << ", drawn " << caption.Width << " x " << caption.Height;
}

void ShowCaption(TClientObject& object) {
  BSTR text = ::SysAllocString(L"Wwg ");
  EXPECT_EQ(object->put_Text(text), S_OK);
  ::SysFreeString(text);
  EXPECT_EQ(object->put_Position(0), S_OK);
  object.Show();
}

TCaption MeasureCaption(TClientObject& object) {
  const TPixels px = object.Capture();
  int32_t left = px.Width, right = -1, top = px.Height, bottom = -1;
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x)
      if (px.At(x, y) != White) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  TCaption caption;
  EXPECT_EQ(object->get_TextW(&caption.TextW), S_OK);
  caption.Width = right - left + 1;
  caption.Height = bottom - top + 1;
  EXPECT_GT(caption.Width, 0) << "no caption drawn";
  return caption;
}

// The caption of a fresh object that was given font.
TCaption CaptionWith(IFontDisp* font) {
  TClientObject reference;
  ShowCaption(reference);
  EXPECT_EQ(reference->put_Font(font), S_OK);
  const TCaption caption = MeasureCaption(reference);
  EXPECT_EQ(reference.Release(), 0u);
  return caption;
}

TCaption CaptionInTahoma(double points, short weight = FW_NORMAL) {
  return CaptionWith(NewFont(L"Tahoma", Points(points), weight).Get());
}

class Font : public ClientControl {
 protected:
  void SetUp() override { ShowCaption(object); }

  ComPtr<IFontDisp> CurrentFont() {
    ComPtr<IFontDisp> font;
    EXPECT_EQ(object->get_Font(&font), S_OK);
    return font;
  }
};

TEST_F(Font, GetsGiveTheSameConnectedObject) {
  const ComPtr<IFontDisp> first = CurrentFont();
  const ComPtr<IFontDisp> second = CurrentFont();
  ASSERT_TRUE(first);
  EXPECT_EQ(first.Get(), second.Get());
  BSTR name = nullptr;
  ASSERT_EQ(FontOf(first.Get())->get_Name(&name), S_OK);
  EXPECT_EQ(TakeBstr(name), L"MS Sans Serif");
}

TEST_F(Font, SizeSetOnTheFontObjectChangesTheCaption) {
  const TCaption before = MeasureCaption(object);
  ASSERT_EQ(FontOf(CurrentFont().Get())->put_Size(CY{.int64 = Points(12)}), S_OK);
  const TCaption after = MeasureCaption(object);
  EXPECT_GT(after.TextW, before.TextW);
  EXPECT_GT(after.Width, before.Width);
  EXPECT_GT(after.Height, before.Height);
}

TEST_F(Font, FractionalSizesRoundToWholePointsTiesToEven) {
  const TCaption at10 = CaptionInTahoma(10), at11 = CaptionInTahoma(11), at12 = CaptionInTahoma(12),
                 at13 = CaptionInTahoma(13), at14 = CaptionInTahoma(14);
  // Neighbouring sizes must look different for the comparisons below to mean anything.
  ASSERT_NE(at10, at11);
  ASSERT_NE(at11, at12);
  ASSERT_NE(at13, at14);
  // The platform font reports what it realized: 10.5 and 13.5 points are 14 and 18 whole pixels.
  EXPECT_EQ(CaptionInTahoma(10.5), at10);
  EXPECT_EQ(CaptionInTahoma(13.5), at14);
  // 11.5 points realize as 15 pixels (11.25 points); a font that reports exactly 11.5 goes up to 12.
  ComPtr<TReportingFont> exact = new TReportingFont(FontOf(NewFont(L"Tahoma", Points(11.5)).Get()));
  exact->Size = Points(11.5);
  EXPECT_EQ(CaptionWith(exact->AsFontArgument()), at12);
  exact->Size = Points(12.5);
  EXPECT_EQ(CaptionWith(exact->AsFontArgument()), at12);
}

// Wine draws Tahoma Bold with the regular face's pixels; the bold font shows in the caption's measured
// width (TextW), which is part of what is compared.
TEST_F(Font, BoldFlagDecidesBoldnessWhateverTheWeight) {
  const TCaption regular = CaptionInTahoma(12);
  const TCaption bold = CaptionInTahoma(12, FW_BOLD);
  ASSERT_NE(regular, bold);
  ComPtr<TReportingFont> font = new TReportingFont(FontOf(NewFont(L"Tahoma", Points(12), FW_BOLD).Get()));
  font->Bold = FALSE;
  SHORT weight = 0;
  ASSERT_EQ(font->get_Weight(&weight), S_OK);
  ASSERT_EQ(weight, FW_BOLD);
  EXPECT_EQ(CaptionWith(font->AsFontArgument()), regular);
}

TEST_F(Font, PutOfNothingLeavesTheControlsFontAndGivesANewObject) {
  const ComPtr<IFontDisp> tahoma = NewFont(L"Tahoma", Points(12), FW_BOLD);
  ASSERT_EQ(object->put_Font(tahoma.Get()), S_OK);
  const TCaption withTahoma = MeasureCaption(object);
  ASSERT_EQ(object->put_Font(nullptr), S_OK);
  EXPECT_EQ(MeasureCaption(object), withTahoma) << "the control keeps the font it had";

  const ComPtr<IFontDisp> fresh = CurrentFont();
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh.Get(), tahoma.Get());
  const ComPtr<IFont> face = FontOf(fresh.Get());
  BSTR name = nullptr;
  ASSERT_EQ(face->get_Name(&name), S_OK);
  EXPECT_EQ(TakeBstr(name), L"Tahoma");
  CY size{};
  ASSERT_EQ(face->get_Size(&size), S_OK);
  EXPECT_EQ((size.int64 + 5000) / 10000, 12);
  BOOL isBold = FALSE;
  ASSERT_EQ(face->get_Bold(&isBold), S_OK);
  EXPECT_TRUE(isBold);
  EXPECT_EQ(CurrentFont().Get(), fresh.Get()) << "the new object stays connected";
}

TEST_F(Font, ObjectThatIsNoFontIsRefused) {
  const ComPtr<IFontDisp> before = CurrentFont();
  const TCaption captionBefore = MeasureCaption(object);
  ComPtr<IStream> stream;
  ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  ClearErrorInfo();
  EXPECT_EQ(object->put_Font(reinterpret_cast<IFontDisp*>(stream.Get())), E_UNEXPECTED);
  EXPECT_EQ(TakeErrorInfo().Description, L"Interface not supported");
  EXPECT_EQ(CurrentFont().Get(), before.Get());
  EXPECT_EQ(MeasureCaption(object), captionBefore);
}

TEST_F(Font, PutRefTakesTheFontObjectItself) {
  const TCaption before = MeasureCaption(object);
  IFontDisp* tahoma = NewFont(L"Tahoma", Points(14)).Detach();
  EXPECT_EQ(object->putref_Font(&tahoma), S_OK);
  EXPECT_EQ(CurrentFont().Get(), tahoma);
  EXPECT_NE(MeasureCaption(object), before);
  EXPECT_EQ(tahoma->Release(), 1u) << "the control holds the one other reference";
}

TEST_F(Font, FontPutHoldsNoReferenceOnceTheObjectIsGone) {
  const ComPtr<IFontDisp> font = NewFont(L"Tahoma", Points(10));
  ASSERT_EQ(object->put_Font(font.Get()), S_OK);
  CurrentFont();
  EXPECT_EQ(object.Release(), 0u);
  EXPECT_EQ(font->AddRef(), 2u) << "only the test's reference is left";
  EXPECT_EQ(font->Release(), 1u);
}

}  // namespace
}  // namespace zarnel::test
