// The control's view as a container that draws it itself sees it: IViewObject2::Draw into memory
// DCs, at the window's size, at an offset, scaled and into a metafile, compared with what the window
// shows; the view's extent and advise sink; the class information and the property pages.
#include <gtest/gtest.h>
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cmath>
#include <optional>
#include <string>

#include "ClientApartment.h"
#include "ClientObject.h"
#include "Handles.h"

namespace zarnel::test {
namespace {

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

using Microsoft::WRL::ComPtr;

constexpr TColor Navy = 0x800000;
constexpr TColor White = 0xFFFFFF;
// A colour the control never draws: whatever still shows it was not painted.
constexpr TColor Untouched = 0x34AB12;

// A 32-bit top-down DIB section selected into a memory DC, filled with Untouched.
class TDibSurface {
 public:
  TDibSurface(int32_t width, int32_t height) : FWidth(width), FHeight(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    FBitmap.reset(::CreateDIBSection(FDC.get(), &info, DIB_RGB_COLORS, &FBits, nullptr, 0));
    EXPECT_NE(FBitmap.get(), nullptr);
    FSelection.emplace(FDC.get(), FBitmap.get());
    TUniqueBrush fill(::CreateSolidBrush(Untouched));
    const RECT all{0, 0, width, height};
    ::FillRect(FDC.get(), &all, fill.get());
  }

  HDC DC() const { return FDC.get(); }
  TPixels Pixels() const {
    ::GdiFlush();
    TPixels out{FWidth, FHeight, {}};
    const auto* px = static_cast<const uint32_t*>(FBits);
    for (int32_t i = 0; i < FWidth * FHeight; ++i) out.Data.push_back(ColorFromDibPixel(px[i]));
    return out;
  }

 private:
  int32_t FWidth;
  int32_t FHeight;
  TUniqueMemoryDC FDC{::CreateCompatibleDC(nullptr)};
  TUniqueBitmap FBitmap;
  void* FBits = nullptr;
  std::optional<TSelection> FSelection;
};

// An advise sink that only counts its references.
class TCountingSink final : public IAdviseSink {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid != IID_IUnknown && iid != IID_IAdviseSink) return E_NOINTERFACE;
    *ppv = static_cast<IAdviseSink*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++FCount; }
  STDMETHODIMP_(ULONG) Release() override { return --FCount; }
  STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
  STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override {}
  STDMETHODIMP_(void) OnRename(IMoniker*) override {}
  STDMETHODIMP_(void) OnSave() override {}
  STDMETHODIMP_(void) OnClose() override {}

  ULONG Count() const { return FCount; }

 private:
  ULONG FCount = 1;  // the test's own
};

void ExpectSamePixels(const TPixels& actual, const TPixels& expected, const char* what) {
  ASSERT_EQ(actual.Width, expected.Width) << what;
  ASSERT_EQ(actual.Height, expected.Height) << what;
  for (int32_t y = 0; y < expected.Height; ++y)
    for (int32_t x = 0; x < expected.Width; ++x)
      ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << what << ": pixel (" << x << ", " << y << ")";
}

class View : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&view)), S_OK); }
  void TearDown() override {
    view.Reset();
    ClientControl::TearDown();
  }

  SIZE WindowSize() const {
    RECT rw;
    ::GetWindowRect(object.ControlWindow(), &rw);
    return SIZE{rw.right - rw.left, rw.bottom - rw.top};
  }
  HRESULT DrawContent(HDC dc, const RECTL& bounds) {
    return view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
  }
  // The whole control drawn by the view at its own size onto a fresh surface.
  TPixels DrawnImage() {
    const SIZE size = WindowSize();
    TDibSurface surface(size.cx, size.cy);
    EXPECT_EQ(DrawContent(surface.DC(), RECTL{0, 0, size.cx, size.cy}), S_OK);
    return surface.Pixels();
  }
  // The control window, frame included, as it is on the screen.
  TPixels ScreenImage() {
    object.Show().Settle();
    return CaptureWindow(object.ControlWindow());
  }
  // The position 57 with no caption: navy up to the split column, white from it.
  void ShowPlainSplit() {
    ASSERT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
    ASSERT_EQ(object->put_Position(57), S_OK);
  }

  // The drawing taken while the control was still parked (never shown), and one taken once it is
  // shown, are both the window's own pixels.
  void ExpectDrawnAsShown(const TPixels& parked) {
    const TPixels shown = ScreenImage();
    ExpectSamePixels(parked, shown, "drawn while parked");
    ExpectSamePixels(DrawnImage(), shown, "drawn while shown");
  }

  ComPtr<IViewObject2> view;
};

TEST_F(View, DrawAtTheWindowSizeGivesTheWindowsPixelsForTheDefaultBar) {
  const TPixels parked = DrawnImage();
  ASSERT_EQ(parked.Width, 133);
  ASSERT_EQ(parked.Height, 20);
  EXPECT_EQ(parked.At(0, 0), Navy);
  EXPECT_EQ(parked.At(132, 19), White);
  ExpectDrawnAsShown(parked);
}

TEST_F(View, DrawAtTheWindowSizeGivesTheWindowsPixelsForAPositionWithACaption) {
  ASSERT_EQ(object->put_Position(57), S_OK);
  BSTR caption = ::SysAllocString(L"Copying ");
  ASSERT_EQ(object->put_Text(caption), S_OK);
  ::SysFreeString(caption);
  const TPixels parked = DrawnImage();
  // Caption ink of both colours is there: white over the filled part, black over the empty part.
  int whiteInk = 0;
  int blackInk = 0;
  for (int32_t y = 0; y < parked.Height; ++y)
    for (int32_t x = 0; x < parked.Width; ++x) {
      whiteInk += x < 76 && parked.At(x, y) == White;
      blackInk += x >= 76 && parked.At(x, y) == 0;
    }
  EXPECT_GT(whiteInk, 20);
  EXPECT_GT(blackInk, 20);
  ExpectDrawnAsShown(parked);
}

TEST_F(View, DrawAtTheWindowSizeGivesTheWindowsPixelsForAFrame) {
  ASSERT_EQ(object->put_BevelKind(::bkSoft), S_OK);
  ASSERT_EQ(object->put_BevelOuter(::bvRaised), S_OK);
  ASSERT_EQ(object->put_BorderWidth(3), S_OK);
  const TPixels parked = DrawnImage();
  // Two bevel pixels and three border pixels each side: the bar starts five pixels in.
  EXPECT_NE(parked.At(0, 0), Navy);
  EXPECT_NE(parked.At(4, 4), Navy);
  EXPECT_EQ(parked.At(5, 5), Navy);
  ExpectDrawnAsShown(parked);
}

TEST_F(View, DrawAtAnOffsetPaintsThereAndNowhereElse) {
  ShowPlainSplit();
  const TPixels image = DrawnImage();
  constexpr int32_t Left = 30;
  constexpr int32_t Top = 20;
  TDibSurface surface(200, 60);
  ASSERT_EQ(DrawContent(surface.DC(), RECTL{Left, Top, Left + image.Width, Top + image.Height}), S_OK);
  const TPixels px = surface.Pixels();
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x) {
      const bool inside = x >= Left && x < Left + image.Width && y >= Top && y < Top + image.Height;
      ASSERT_EQ(px.At(x, y), inside ? image.At(x - Left, y - Top) : Untouched) << "at (" << x << ", " << y << ")";
    }
}

TEST_F(View, DrawAtTwiceTheSizeScalesTheImage) {
  ShowPlainSplit();
  const TPixels image = DrawnImage();
  const int32_t split = static_cast<int32_t>(std::lround(image.Width * 0.57));
  TDibSurface surface(2 * image.Width, 2 * image.Height);
  ASSERT_EQ(DrawContent(surface.DC(), RECTL{0, 0, 2 * image.Width, 2 * image.Height}), S_OK);
  const TPixels px = surface.Pixels();
  for (int32_t y : {0, image.Height, 2 * image.Height - 1}) {
    EXPECT_EQ(px.At(0, y), Navy) << "row " << y;
    EXPECT_EQ(px.At(2 * split - 1, y), Navy) << "row " << y;
    EXPECT_EQ(px.At(2 * split, y), White) << "row " << y;
    EXPECT_EQ(px.At(2 * image.Width - 1, y), White) << "row " << y;
  }
  // Each pixel of the image becomes a block of two by two.
  for (int32_t y = 0; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x)
      ASSERT_EQ(px.At(x, y), image.At(x / 2, y / 2)) << "at (" << x << ", " << y << ")";
}

TEST_F(View, DrawIntoAnEnhancedMetafileReplaysAsTheBar) {
  ShowPlainSplit();
  const SIZE size = WindowSize();
  HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(recorder, nullptr);
  const HRESULT drawn = DrawContent(recorder, RECTL{0, 0, size.cx, size.cy});
  HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
  ASSERT_EQ(drawn, S_OK);
  ASSERT_NE(metafile, nullptr);
  TDibSurface surface(size.cx, size.cy);
  const RECT frame{0, 0, size.cx, size.cy};
  EXPECT_TRUE(::PlayEnhMetaFile(surface.DC(), metafile, &frame));
  ::DeleteEnhMetaFile(metafile);
  const TPixels px = surface.Pixels();
  const int32_t split = static_cast<int32_t>(std::lround(size.cx * 0.57));
  for (int32_t y = 2; y < size.cy - 2; ++y) {
    for (int32_t x = 2; x < split - 2; ++x) ASSERT_EQ(px.At(x, y), Navy) << "at (" << x << ", " << y << ")";
    for (int32_t x = split + 2; x < size.cx - 2; ++x) ASSERT_EQ(px.At(x, y), White) << "at (" << x << ", " << y << ")";
  }
}

TEST_F(View, DrawRefusesOtherAspectsAndAMissingRectangle) {
  TDibSurface surface(133, 20);
  const RECTL bounds{0, 0, 133, 20};
  EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, surface.DC(), &bounds, nullptr, nullptr, 0),
            DV_E_DVASPECT);
  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, surface.DC(), nullptr, nullptr, nullptr, 0),
            E_INVALIDARG);
  EXPECT_EQ(surface.Pixels().At(10, 10), Untouched);
}

TEST_F(View, ExtentIsTheWindowSizeInHimetric) {
  SIZEL extent{};
  ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
  const TWindowDC screen(nullptr, ::GetDC(nullptr));
  ASSERT_EQ(::GetDeviceCaps(screen.get(), LOGPIXELSX), 96) << "the figures below are for 96 dpi";
  // 133 x 20 pixels: 3519.17 and 529.17 hundredths of a millimetre.
  EXPECT_EQ(extent.cx, 3519);
  EXPECT_EQ(extent.cy, 529);
  ::SetWindowPos(object.ControlWindow(), nullptr, 0, 0, 200, 31, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
  EXPECT_EQ(extent.cx, 5292);  // 5291.67
  EXPECT_EQ(extent.cy, 820);   // 820.21
  EXPECT_EQ(view->GetExtent(DVASPECT_ICON, -1, nullptr, &extent), DV_E_DVASPECT);
  EXPECT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, nullptr), E_POINTER);
}

TEST_F(View, NoPaletteAndNoFreezing) {
  LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(&palette);
  EXPECT_EQ(view->GetColorSet(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, &palette), S_FALSE);
  EXPECT_EQ(palette, nullptr);
  DWORD cookie = 0;
  EXPECT_EQ(view->Freeze(DVASPECT_CONTENT, -1, nullptr, &cookie), E_NOTIMPL);
  EXPECT_EQ(view->Unfreeze(cookie), E_NOTIMPL);
}

TEST_F(View, TheAdviseSinkIsKeptWithItsAspectsAndFlagsAndLetGo) {
  TCountingSink sink;
  ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, ADVF_PRIMEFIRST, &sink), S_OK);
  EXPECT_EQ(sink.Count(), 2u);
  DWORD aspects = 0;
  DWORD flags = 0;
  IAdviseSink* kept = nullptr;
  ASSERT_EQ(view->GetAdvise(&aspects, &flags, &kept), S_OK);
  EXPECT_EQ(aspects, static_cast<DWORD>(DVASPECT_CONTENT));
  EXPECT_EQ(flags, static_cast<DWORD>(ADVF_PRIMEFIRST));
  EXPECT_EQ(kept, &sink);
  if (kept) kept->Release();
  EXPECT_EQ(view->GetAdvise(nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(sink.Count(), 2u);

  ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, 0, nullptr), S_OK);
  EXPECT_EQ(sink.Count(), 1u);
  kept = &sink;
  ASSERT_EQ(view->GetAdvise(&aspects, &flags, &kept), S_OK);
  EXPECT_EQ(kept, nullptr);

  // A sink still set when the object goes is released with it.
  ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, 0, &sink), S_OK);
  view.Reset();
  EXPECT_EQ(object.Release(), 0u);
  EXPECT_EQ(sink.Release(), 0u);
}

TEST_F(View, ClassInformationIsTheCoclassAndItsEventsInterface) {
  ComPtr<IProvideClassInfo2> provider;
  ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&provider)), S_OK);
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(provider->GetClassInfo(&info), S_OK);
  ASSERT_TRUE(info);
  BSTR name = nullptr;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(std::wstring(name ? name : L""), L"ZarnelX");
  ::SysFreeString(name);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_EQ(attributes->guid, CLSID_ZarnelX);
  info->ReleaseTypeAttr(attributes);

  GUID guid = GUID_NULL;
  EXPECT_EQ(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &guid), S_OK);
  EXPECT_EQ(guid, DIID_IZarnelXEvents);
  EXPECT_EQ(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID + 1, &guid), E_INVALIDARG);
  EXPECT_EQ(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr), E_POINTER);
  EXPECT_EQ(provider->GetClassInfo(nullptr), E_POINTER);
}

TEST_F(View, ThereAreNoPropertyPages) {
  ComPtr<ISpecifyPropertyPages> pages;
  ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&pages)), S_OK);
  CAUUID list{7, reinterpret_cast<GUID*>(&list)};
  ASSERT_EQ(pages->GetPages(&list), S_OK);
  EXPECT_EQ(list.cElems, 0u);
  EXPECT_EQ(list.pElems, nullptr);
  EXPECT_EQ(pages->GetPages(nullptr), E_POINTER);
}

}  // namespace
}  // namespace zarnel::test
