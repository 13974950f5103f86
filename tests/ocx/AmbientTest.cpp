// The container's ambient properties: its back colour becomes the control's colour (seen where the
// transparent colour lets it through and in the border strip), its font reaches the caption while
// the control has no font of its own, a change is read again when the container says so, and a site
// without ambient properties leaves the defaults alone. Also the rest of IOleControl.
#include <gtest/gtest.h>
#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ClientApartment.h"
#include "ClientFont.h"
#include "ContainerFixture.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr OLE_COLOR AmbientBack = 0x0040A0E0;
constexpr OLE_COLOR OtherBack = 0x00302080;
constexpr TColor BarWhite = 0x00FFFFFF;

class AmbientProperties : public EmbeddedControl {
 protected:
  // The control's colour shows through the whole bar: the right-hand colour is the transparent one.
  void ShowControlColor() {
    ASSERT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
    ASSERT_EQ(object->put_Position(0), S_OK);
    ASSERT_EQ(object->put_ColorRight(BarWhite), S_OK);
    ASSERT_EQ(object->put_TransparentColorValue(BarWhite), S_OK);
    ASSERT_EQ(object->put_TransparentColor(VARIANT_TRUE), S_OK);
  }
  // A caption on an empty bar: black on white.
  void ShowCaption() {
    ASSERT_EQ(object->put_Position(0), S_OK);
    ASSERT_EQ(object->put_ColorRight(BarWhite), S_OK);
    ASSERT_EQ(object->put_FontColorRight(0), S_OK);
  }
  TColor BarPixel() {
    container.Settle();
    return CaptureClient(object.ControlWindow()).At(5, 5);
  }
  void AmbientChanged(DISPID id) {
    ComPtr<IOleControl> control;
    ASSERT_EQ(ole.As(&control), S_OK);
    EXPECT_EQ(control->OnAmbientPropertyChange(id), S_OK);
    container.Settle();
  }
  // The caption's drawn width on the screen, in pixels.
  int32_t CaptionPixels() {
    container.Settle();
    const TPixels px = CaptureClient(object.ControlWindow());
    int32_t left = px.Width, right = -1;
    for (int32_t y = 0; y < px.Height; ++y)
      for (int32_t x = 0; x < px.Width; ++x)
        if (px.At(x, y) != BarWhite) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    return right - left + 1;
  }
  LONG TextW() {
    LONG width = 0;
    EXPECT_EQ(object->get_TextW(&width), S_OK);
    return width;
  }
  std::wstring FontName() {
    ComPtr<IFontDisp> font;
    EXPECT_EQ(object->get_Font(&font), S_OK);
    BSTR name = nullptr;
    EXPECT_EQ(FontOf(font.Get())->get_Name(&name), S_OK);
    std::wstring text(name ? name : L"");
    ::SysFreeString(name);
    return text;
  }
  void Release() {
    EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
    container.Site().Font.Reset();
  }
};

TEST_F(AmbientProperties, SettingTheSiteReadsEachAmbientPropertyOnce) {
  container.Site().Font = NewFont(L"Tahoma", Points(10));
  ASSERT_EQ(ole->SetClientSite(container.Site().ClientSite()), S_OK);
  EXPECT_EQ(container.Site().AmbientReads(DISPID_AMBIENT_BACKCOLOR), 1);
  EXPECT_EQ(container.Site().AmbientReads(DISPID_AMBIENT_FORECOLOR), 1);
  EXPECT_EQ(container.Site().AmbientReads(DISPID_AMBIENT_FONT), 1);
  AmbientChanged(DISPID_AMBIENT_FORECOLOR);
  EXPECT_EQ(container.Site().AmbientReads(DISPID_AMBIENT_BACKCOLOR), 2) << "any change reads them all again";
  EXPECT_EQ(container.Site().AmbientReads(DISPID_AMBIENT_FONT), 2);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
  container.Site().Font.Reset();
}

TEST_F(AmbientProperties, BackColourBecomesTheControlColour) {
  ShowControlColor();
  container.Site().BackColor = AmbientBack;
  container.Embed(*ole.Get());
  EXPECT_EQ(BarPixel(), AmbientBack);

  container.Site().BackColor = OtherBack;
  EXPECT_EQ(BarPixel(), AmbientBack) << "nothing is read until the container says it changed";
  AmbientChanged(DISPID_AMBIENT_BACKCOLOR);
  EXPECT_EQ(BarPixel(), OtherBack);

  // The border strip of the frame is painted in the control's colour too.
  ASSERT_EQ(object->put_BorderWidth(2), S_OK);
  container.Settle();
  const TPixels frame = CaptureWindow(object.ControlWindow());
  EXPECT_EQ(frame.At(0, 0), OtherBack);
  EXPECT_EQ(frame.At(1, frame.Height / 2), OtherBack);
  EXPECT_EQ(frame.At(frame.Width - 1, frame.Height - 1), OtherBack);
  Release();
}

TEST_F(AmbientProperties, SystemBackColourIsKeptAsGiven) {
  ShowControlColor();
  container.Site().BackColor = 0x80000000 | COLOR_HIGHLIGHT;
  container.Embed(*ole.Get());
  EXPECT_EQ(BarPixel(), ::GetSysColor(COLOR_HIGHLIGHT));
  Release();
}

TEST_F(AmbientProperties, AmbientFontReachesTheCaption) {
  ShowCaption();
  container.Site().Font = NewFont(L"Tahoma", Points(8));
  container.Embed(*ole.Get());
  EXPECT_EQ(FontName(), L"Tahoma");
  const int32_t smallPixels = CaptionPixels();
  const LONG smallText = TextW();

  container.Site().Font = NewFont(L"Tahoma", Points(16));
  AmbientChanged(DISPID_AMBIENT_FONT);
  EXPECT_GT(CaptionPixels(), smallPixels);
  EXPECT_GT(TextW(), smallText);

  // The ambient font is no font of the control's own: a later change still arrives.
  container.Site().Font = NewFont(L"MS Sans Serif", Points(8));
  AmbientChanged(DISPID_AMBIENT_FONT);
  EXPECT_EQ(FontName(), L"MS Sans Serif");
  EXPECT_LT(CaptionPixels(), smallPixels);
  Release();
}

TEST_F(AmbientProperties, AFontOfTheControlsOwnEndsTheAmbientOne) {
  ShowCaption();
  container.Site().Font = NewFont(L"Tahoma", Points(8));
  container.Embed(*ole.Get());
  ASSERT_EQ(object->put_Font(NewFont(L"Tahoma", Points(12)).Get()), S_OK);
  // The width the control reports follows the font it last painted with.
  const int32_t ownPixels = CaptionPixels();
  const LONG ownText = TextW();

  container.Site().Font = NewFont(L"MS Sans Serif", Points(20));
  AmbientChanged(DISPID_AMBIENT_FONT);
  EXPECT_EQ(FontName(), L"Tahoma");
  EXPECT_EQ(CaptionPixels(), ownPixels);
  EXPECT_EQ(TextW(), ownText);
  Release();
}

TEST_F(AmbientProperties, ASiteWithoutAmbientPropertiesLeavesTheDefaults) {
  ShowControlColor();
  const LONG defaultText = TextW();
  const std::wstring defaultFont = FontName();
  {
    TContainer plain(TSiteFeatures{false, true});
    plain.Site().BackColor = AmbientBack;
    plain.Site().Font = NewFont(L"MS Sans Serif", Points(20));
    plain.Embed(*ole.Get());
    EXPECT_EQ(plain.Site().AmbientReads(DISPID_AMBIENT_BACKCOLOR), 0);
    EXPECT_EQ(::GetParent(object.ControlWindow()), plain.Window()) << "activation needs no ambient properties";
    plain.Settle();
    EXPECT_EQ(CaptureClient(object.ControlWindow()).At(5, 5), ::GetSysColor(COLOR_WINDOW))
        << "the control keeps its own colour";
    EXPECT_EQ(TextW(), defaultText);
    EXPECT_EQ(FontName(), defaultFont);
    EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
    plain.Site().Font.Reset();
  }
}

TEST_F(AmbientProperties, ControlInformationAndFreezing) {
  ComPtr<IOleControl> control;
  ASSERT_EQ(ole.As(&control), S_OK);
  CONTROLINFO info;
  std::memset(&info, 0xCC, sizeof info);
  ASSERT_EQ(control->GetControlInfo(&info), S_OK);
  EXPECT_EQ(info.cb, sizeof(CONTROLINFO));
  EXPECT_EQ(info.hAccel, nullptr);
  EXPECT_EQ(info.cAccel, 0);
  EXPECT_EQ(info.dwFlags, 0u);
  MSG msg{};
  EXPECT_EQ(control->OnMnemonic(&msg), E_NOTIMPL);
  EXPECT_EQ(control->FreezeEvents(TRUE), S_OK);
  EXPECT_EQ(control->FreezeEvents(FALSE), S_OK);
  // Without a site there is nothing to read.
  EXPECT_EQ(control->OnAmbientPropertyChange(DISPID_UNKNOWN), S_OK);
}

}  // namespace
}  // namespace zarnel::test
