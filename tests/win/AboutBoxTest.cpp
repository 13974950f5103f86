// The About box as a user meets it: laid out from its form resource, shown modally over the
// application's window, closed by keyboard, mouse or system menu, and gone without a trace.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "About1.h"
#include "BmpDecoder.h"
#include "FrameworkError.h"
#include "Input.h"
#include "ModalDriver.h"
#include "ResourceCounts.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

constexpr TColor Magenta = 0xFF00FF;
constexpr TColor PureBlue = 0xFF0000;  // red in the low byte

// The application's own window, active and enabled, as a container's would be.
class AboutBox : public testing::Test {
 protected:
  void SetUp() override {
    host.SetBounds(20, 20, 300, 200);
    host.SetCaption("application");
    host.Show();
    // The user works in the application: its window has the keyboard.
    ::SetForegroundWindow(host.Handle());
    // The pointer stays away from the box until a test moves it there.
    PointerTo(host.Handle(), 5, 5);
    ProcessMessages();
  }

  // Shows a box modally while `act` drives it from another thread.
  TModalResult ShowDriven(TZarnelXAbout& about, const TModalDriver::TAction& act) {
    TModalDriver driver("TZarnelXAbout", act);
    const TModalResult result = about.ShowModal();
    driver.Finish();
    EXPECT_TRUE(driver.Appeared());
    EXPECT_TRUE(driver.ClosedByAction());
    return result;
  }

  TForm host{nullptr};
};

RECT ChildRect(HWND parent, HWND child) {
  RECT rc;
  ::GetWindowRect(child, &rc);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

std::string WindowText(HWND wnd) {
  char text[64] = {};
  ::GetWindowTextA(wnd, text, sizeof text);
  return text;
}

TEXTMETRICA MetricsOf(TFont& font, std::string* face) {
  TWindowDC dc(nullptr, ::GetDC(nullptr));
  TSelection selected(dc.get(), font.Handle());
  TEXTMETRICA tm{};
  ::GetTextMetricsA(dc.get(), &tm);
  char name[LF_FACESIZE] = {};
  ::GetTextFaceA(dc.get(), sizeof name, name);
  *face = name;
  return tm;
}

SIZE TextSize(TFont& font, const std::string& text) {
  TWindowDC dc(nullptr, ::GetDC(nullptr));
  TSelection selected(dc.get(), font.Handle());
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

TEST_F(AboutBox, LayoutIsReadFromTheFormResource) {
  TZarnelXAbout about(nullptr);
  EXPECT_EQ(about.Owner(), nullptr);
  EXPECT_EQ(about.Name(), "ZarnelXAbout");
  EXPECT_EQ(about.Caption(), "About");
  EXPECT_EQ(about.BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(about.BorderIcons(), biSystemMenu);
  EXPECT_EQ(about.Position(), TPosition::poScreenCenter);
  EXPECT_EQ(about.Color(), clBtnFace);
  EXPECT_EQ(about.PixelsPerInch(), 96);
  EXPECT_EQ(about.TextHeight(), 13);
  EXPECT_EQ(about.ClientWidth(), 331);
  EXPECT_EQ(about.ClientHeight(), 175);
  // No font of its own: the framework's default.
  EXPECT_EQ(about.Font().Name(), TFont::DefaultName);
  EXPECT_EQ(about.Font().Height(), TFont::DefaultHeight);

  // The controls in creation order, all on the form and owned by it.
  ASSERT_EQ(about.Controls().size(), 4u);
  EXPECT_EQ(about.Controls()[0], &about.CtlImage());
  EXPECT_EQ(about.Controls()[1], &about.NameLbl());
  EXPECT_EQ(about.Controls()[2], &about.DescLbl());
  EXPECT_EQ(about.Controls()[3], &about.OkBtn());

  TSpeedButton& image = about.CtlImage();
  EXPECT_EQ(image.Left(), 56);
  EXPECT_EQ(image.Top(), 16);
  EXPECT_EQ(image.Width(), 23);
  EXPECT_EQ(image.Height(), 22);
  EXPECT_TRUE(image.Flat());
  EXPECT_EQ(image.Glyph().Width(), 24);
  EXPECT_EQ(image.Glyph().Height(), 24);
  EXPECT_EQ(image.Glyph().EffectiveTransparentColor(), Magenta);

  TButton& ok = about.OkBtn();
  EXPECT_EQ(ok.Caption(), "OK");
  EXPECT_TRUE(ok.Default());
  EXPECT_TRUE(ok.Cancel());
  EXPECT_EQ(ok.ModalResult(), mrOk);
  EXPECT_EQ(ok.TabOrder(), 0);
  EXPECT_EQ(ok.Left(), 128);
  EXPECT_EQ(ok.Top(), 136);
  EXPECT_EQ(ok.Width(), 75);
  EXPECT_EQ(ok.Height(), 25);
}

TEST_F(AboutBox, LabelsHaveTheirTextsAndFontsAndTakeTheSizeOfTheirText) {
  TZarnelXAbout about(nullptr);
  TLabel& name = about.NameLbl();
  TLabel& desc = about.DescLbl();
  EXPECT_EQ(name.Caption(), "ZarnelX 2 Pro");
  EXPECT_EQ(desc.Caption(), "Progress bar control");

  // The name in its own font: "Default" at 13 pixels' character height, bold, button text colour.
  EXPECT_FALSE(name.ParentFont());
  EXPECT_EQ(&name.EffectiveFont(), &name.Font());
  EXPECT_EQ(name.Font().Name(), "Default");
  EXPECT_EQ(name.Font().Height(), -13);
  EXPECT_EQ(name.Font().Style(), fsBold);
  EXPECT_EQ(name.Font().Color(), TColor{0xFF000000 | COLOR_BTNTEXT});
  EXPECT_EQ(name.Font().Charset(), DEFAULT_CHARSET);
  std::string face;
  const TEXTMETRICA bold = MetricsOf(name.Font(), &face);
  EXPECT_EQ(face, "MS Sans Serif");
  EXPECT_EQ(bold.tmHeight - bold.tmInternalLeading, 13);
  EXPECT_EQ(bold.tmWeight, FW_BOLD);

  // The description in the form's font.
  EXPECT_TRUE(desc.ParentFont());
  EXPECT_EQ(&desc.EffectiveFont(), &about.Font());
  const TEXTMETRICA plain = MetricsOf(about.Font(), &face);
  EXPECT_EQ(face, "MS Sans Serif");

  // Positions as stored, sizes from the text: the stored heights are the fonts' line heights.
  EXPECT_EQ(name.Left(), 90);
  EXPECT_EQ(name.Top(), 16);
  EXPECT_EQ(name.Width(), TextSize(name.Font(), name.Caption()).cx);
  EXPECT_EQ(name.Height(), bold.tmHeight);
  EXPECT_EQ(name.Height(), 16);
  EXPECT_EQ(desc.Left(), 110);
  EXPECT_EQ(desc.Top(), 38);
  EXPECT_EQ(desc.Width(), TextSize(about.Font(), desc.Caption()).cx);
  EXPECT_EQ(desc.Height(), plain.tmHeight);
  EXPECT_EQ(desc.Height(), 13);

  // A new caption resizes the label.
  desc.SetCaption("Progress");
  EXPECT_EQ(desc.Width(), TextSize(about.Font(), "Progress").cx);
}

TEST_F(AboutBox, ShowsAsACentredDialogOverTheDisabledApplication) {
  TZarnelXAbout about(nullptr);
  bool hostDisabled = false;
  std::string caption, okText;
  RECT window{}, client{}, okRect{};
  LONG style = 0, exStyle = 0, okStyle = 0;
  HWND owner = nullptr;
  const TModalResult result = ShowDriven(about, [&](HWND box) {
    hostDisabled = !::IsWindowEnabled(host.Handle());
    caption = WindowText(box);
    ::GetWindowRect(box, &window);
    ::GetClientRect(box, &client);
    style = ::GetWindowLongA(box, GWL_STYLE);
    exStyle = ::GetWindowLongA(box, GWL_EXSTYLE);
    owner = ::GetWindow(box, GW_OWNER);
    HWND ok = ::FindWindowExA(box, nullptr, "Button", nullptr);
    okText = WindowText(ok);
    okRect = ChildRect(box, ok);
    okStyle = ::GetWindowLongA(ok, GWL_STYLE);
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(result, mrOk);

  EXPECT_TRUE(hostDisabled);
  EXPECT_EQ(owner, host.Handle());
  EXPECT_EQ(caption, "About");
  EXPECT_EQ(client.right, 331);
  EXPECT_EQ(client.bottom, 175);
  const int width = window.right - window.left, height = window.bottom - window.top;
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  // A dialog frame: caption and system menu, not resizable, no minimise or maximise box.
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);

  EXPECT_EQ(okText, "OK");
  EXPECT_EQ(okRect.left, 128);
  EXPECT_EQ(okRect.top, 136);
  EXPECT_EQ(okRect.right, 128 + 75);
  EXPECT_EQ(okRect.bottom, 136 + 25);
  EXPECT_EQ(okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);

  // Afterwards the application is usable and active again, and the box is hidden.
  EXPECT_TRUE(::IsWindowEnabled(host.Handle()));
  EXPECT_EQ(::GetActiveWindow(), host.Handle());
  EXPECT_FALSE(::IsWindowVisible(about.Handle()));
}

struct TCloseWay {
  const char* Name;
  TModalResult Expected;
  TModalDriver::TAction Act;
};

TEST_F(AboutBox, EveryWayAUserClosesItEndsTheModalLoop) {
  const TCloseWay ways[] = {
      {"Enter", mrOk, [](HWND) { PressKey(VK_RETURN); }},
      {"Esc", mrOk, [](HWND) { PressKey(VK_ESCAPE); }},
      {"click on OK", mrOk,
       [](HWND box) {
         HWND ok = ::FindWindowExA(box, nullptr, "Button", nullptr);
         ClickAt(ok, 37, 12);
       }},
      {"Alt+F4", mrCancel, [](HWND) { PressKeyWith(VK_MENU, VK_F4); }},
      {"system menu Close", mrCancel,
       [](HWND) {
         PressKeyWith(VK_MENU, VK_SPACE);
         ::Sleep(200);
         PressKey('C');
       }},
  };
  for (const TCloseWay& way : ways) {
    SCOPED_TRACE(way.Name);
    TZarnelXAbout about(nullptr);
    EXPECT_EQ(ShowDriven(about, way.Act), way.Expected);
  }
}

TEST_F(AboutBox, GlyphIsDrawnWithoutItsKeyColour) {
  std::ifstream file(ZARNEL_RESOURCES "/ZarnelXGlyph.bmp", std::ios::binary);
  const std::vector<uint8_t> bmp{std::istreambuf_iterator<char>(file), {}};
  const imaging::TDecodedImage glyph = imaging::DecodeBmp(bmp);
  ASSERT_EQ(glyph.Width, 24);
  ASSERT_EQ(glyph.Height, 24);

  TZarnelXAbout about(nullptr);
  TPixels shown;
  ShowDriven(about, [&](HWND box) {
    shown = CaptureClient(box);
    PressKey(VK_ESCAPE);
  });
  ASSERT_EQ(shown.Width, 331);

  // The 24 x 24 glyph is centred on the 23 x 22 button and clipped to it.
  const TColor face = ::GetSysColor(COLOR_BTNFACE);
  const int originX = 56 + (23 - 24) / 2, originY = 16 + (22 - 24) / 2;
  int keyPixels = 0, barPixels = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const int sx = originX + x, sy = originY + y;
      if (sx < 56 || sx >= 56 + 23 || sy < 16 || sy >= 16 + 22) continue;
      const TColor source = ColorFromDibPixel(glyph.Pixels[static_cast<size_t>(y) * 24 + x]);
      const TColor expected = source == Magenta ? face : source;
      keyPixels += source == Magenta;
      barPixels += source == PureBlue;
      ASSERT_EQ(shown.At(sx, sy), expected) << "glyph pixel " << x << "," << y;
    }
  }
  EXPECT_GT(keyPixels, 100);
  EXPECT_GT(barPixels, 100);
  // Pure blue inside the bar, the face colour around the figure.
  EXPECT_EQ(shown.At(originX + 4, originY + 7), PureBlue);
  EXPECT_EQ(shown.At(originX + 1, originY + 2), face);
}

TEST_F(AboutBox, ClickingTheImageButtonDoesNothing) {
  TZarnelXAbout about(nullptr);
  bool stillShown = false;
  const TModalResult result = ShowDriven(about, [&](HWND box) {
    ClickAt(box, 56 + 11, 16 + 11);
    ::Sleep(300);
    stillShown = ::IsWindowVisible(box) != FALSE;
    PressKey(VK_RETURN);
  });
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(result, mrOk);  // from Enter, not from the image
}

TEST_F(AboutBox, TwoCallsShowTwoBoxesAndNothingOfEitherSurvives) {
  const auto showOnce = [] {
    TModalDriver driver("TZarnelXAbout", [](HWND) { PressKey(VK_RETURN); });
    ShowAboutBox();
    driver.Finish();
    EXPECT_TRUE(driver.ClosedByAction());
    return driver.Window();
  };
  showOnce();  // the first box of the process registers its window classes, for good
  const TResourceCounts before = CountResources();
  const HWND first = showOnce();
  EXPECT_FALSE(::IsWindow(first));
  const HWND second = showOnce();
  EXPECT_FALSE(::IsWindow(second));
  EXPECT_NE(first, nullptr);
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(CountResources(), before);
}

TEST_F(AboutBox, AQuitRequestEndsTheBoxAndIsLeftForTheApplication) {
  const DWORD thread = ::GetCurrentThreadId();
  TZarnelXAbout about(nullptr);
  EXPECT_EQ(ShowDriven(about, [thread](HWND) { ::PostThreadMessageA(thread, WM_QUIT, 7, 0); }), mrCancel);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(AboutBox, AVisibleFormCannotBeShownModally) {
  TZarnelXAbout about(nullptr);
  about.Show();
  EXPECT_THROW(about.ShowModal(), EFrameworkError);
  EXPECT_TRUE(::IsWindowEnabled(host.Handle()));
}

}  // namespace
}  // namespace zarnel::test
