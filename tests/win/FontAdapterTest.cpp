// The control's font and its automation font kept in step both ways, on a hosted control and the
// platform's own automation fonts.
#include <gtest/gtest.h>
#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "Bstr.h"
#include "ControlHost.h"
#include "FontAdapter.h"
#include "FrameworkError.h"
#include "ReportingFont.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

constexpr int64_t PointsScale = 10000;  // automation sizes are points as currency

// The test thread joins a single-threaded apartment for its life.
class TComApartment {
 public:
  TComApartment() { EXPECT_EQ(::CoInitialize(nullptr), S_OK); }
  ~TComApartment() { ::CoUninitialize(); }
};

// A font of the test's own, made by the platform.
ComPtr<IFont> NewFont(const wchar_t* name, int64_t size) {
  FONTDESC description{sizeof(FONTDESC), const_cast<LPOLESTR>(name), {}, FW_NORMAL, ANSI_CHARSET, FALSE, FALSE, FALSE};
  description.cySize.int64 = size;
  ComPtr<IFont> font;
  EXPECT_EQ(::OleCreateFontIndirect(&description, IID_IFont, reinterpret_cast<void**>(font.GetAddressOf())), S_OK);
  return font;
}

int64_t SizeOf(IFont* font) {
  CY size{};
  EXPECT_EQ(font->get_Size(&size), S_OK);
  return size.int64;
}

std::string NameOf(IFont* font) {
  TBstr name;
  EXPECT_EQ(font->get_Name(name.put()), S_OK);
  return BstrToText(name.get());
}

BOOL BoldOf(IFont* font) {
  BOOL bold = FALSE;
  EXPECT_EQ(font->get_Bold(&bold), S_OK);
  return bold;
}

void PutSize(IFont* font, int64_t size) {
  CY cy{};
  cy.int64 = size;
  ASSERT_EQ(font->put_Size(cy), S_OK);
}

// How many sinks are advised to the font's property notifications.
int Connections(IUnknown* font) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  ComPtr<IEnumConnections> connections;
  EXPECT_EQ(font->QueryInterface(IID_PPV_ARGS(&container)), S_OK);
  EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
  const HRESULT listed = point->EnumConnections(&connections);
  if (listed == OLE_E_NOCONNECTION) return 0;  // how the platform lists no connections at all
  EXPECT_EQ(listed, S_OK);
  int count = 0;
  for (CONNECTDATA data{}; connections->Next(1, &data, nullptr) == S_OK; ++count) data.pUnk->Release();
  return count;
}

// The references an object has besides the ones AddRef and Release add and take back here.
ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

// The width of the caption on screen: the columns where some pixel differs from the bar's top row,
// which the centred caption never reaches.
int32_t CaptionInkWidth(const TPixels& px) {
  int32_t left = px.Width, right = -1;
  for (int32_t y = 1; y < px.Height; ++y)
    for (int32_t x = 0; x < px.Width; ++x)
      if (px.At(x, y) != px.At(x, 0)) left = std::min(left, x), right = std::max(right, x);
  return right < left ? 0 : right - left + 1;
}

class FontAdapterTest : public testing::Test {
 protected:
  FontAdapterTest() {
    // Tahoma scales to any size (the default face is a raster font of a few sizes), so the
    // platform's font realizes the sizes asked of it exactly.
    bar.Font().SetName("Tahoma");
    bar.Font().SetCharset(ANSI_CHARSET);
    // Counts the changes the control sees, passing each on as before.
    bar.Font().OnChange = [this, forward = bar.Font().OnChange] {
      ++controlFontChanges;
      forward();
    };
  }

  ComPtr<IFont> Connected() {
    ComPtr<IFont> font;
    EXPECT_EQ(adapter.FontDisp().As(&font), S_OK);
    return font;
  }

  TComApartment apartment;
  std::unique_ptr<TControlHost> host = std::make_unique<TControlHost>();
  TZarnel2Pro& bar = host->Control();
  TFontAdapter& adapter = TFontAdapter::Of(bar.Font());
  int controlFontChanges = 0;
};

TEST_F(FontAdapterTest, OneAdapterAndOneAutomationFontPerControlFont) {
  EXPECT_EQ(&TFontAdapter::Of(bar.Font()), &adapter);
  EXPECT_EQ(bar.Font().Adapter(), &adapter);
  const ComPtr<IFontDisp> first = adapter.FontDisp();
  ASSERT_TRUE(first);
  EXPECT_EQ(adapter.FontDisp().Get(), first.Get());
  EXPECT_EQ(Connections(first.Get()), 1);
  EXPECT_EQ(controlFontChanges, 0);  // handing the font out changes nothing
}

TEST_F(FontAdapterTest, SizeWrittenThroughAutomationResizesTheCaption) {
  const ComPtr<IFont> font = Connected();
  bar.Settings().ParentFont = true;
  host->Settle();
  const int32_t widthBefore = CaptionInkWidth(CaptureClient(host->ControlWindow()));
  ASSERT_GT(widthBefore, 0);

  PutSize(font.Get(), 12 * PointsScale);
  ASSERT_EQ(SizeOf(font.Get()), 12 * PointsScale);
  EXPECT_EQ(bar.Font().Size(), 12);
  EXPECT_EQ(bar.Font().Height(), -16);
  EXPECT_EQ(bar.Font().Name(), "Tahoma");
  EXPECT_FALSE(bar.ParentFont());
  EXPECT_EQ(controlFontChanges, 1);  // one assignment, however many attributes it carried
  host->Settle();
  EXPECT_GT(CaptionInkWidth(CaptureClient(host->ControlWindow())), widthBefore);
}

TEST_F(FontAdapterTest, HalfPointsGoToTheEvenNeighbour) {
  const ComPtr<IFont> font = NewFont(L"Tahoma", 10 * PointsScale);
  // Two pixels a point: half points realize exactly, so the font reports them as written.
  ASSERT_EQ(font->SetRatio(144, 2540), S_OK);
  adapter.Put(font.Get());
  constexpr std::pair<int64_t, int32_t> cases[] = {{105000, 10}, {115000, 12}, {125000, 12}, {135000, 14}};
  for (const auto& [written, points] : cases) {
    PutSize(font.Get(), written);
    ASSERT_EQ(SizeOf(font.Get()), written);
    EXPECT_EQ(bar.Font().Size(), points) << written;
  }
}

TEST_F(FontAdapterTest, BoldAloneDecidesTheBoldStyle) {
  bar.Font().SetStyle(fsBold | fsItalic);
  const ComPtr<IFont> inner = NewFont(L"Tahoma", 12 * PointsScale);
  const ComPtr<TReportingFont> heavy(new TReportingFont(inner));
  heavy->Weight = FW_BOLD;
  SHORT weight = 0;
  ASSERT_EQ(heavy->get_Weight(&weight), S_OK);
  ASSERT_EQ(weight, FW_BOLD);
  ASSERT_FALSE(BoldOf(heavy.Get()));
  adapter.Put(static_cast<IFont*>(heavy.Get()));
  EXPECT_EQ(bar.Font().Style(), TFontStyles{0});
  ASSERT_EQ(heavy->put_Bold(TRUE), S_OK);  // reaches the control through the platform font's notification
  EXPECT_EQ(bar.Font().Style(), TFontStyles{fsBold});
}

TEST_F(FontAdapterTest, PutOfNothingLetsTheNextGetMakeAFreshFontFromTheControls) {
  const ComPtr<IFont> first = Connected();
  adapter.Put(nullptr);
  EXPECT_EQ(Connections(first.Get()), 0);
  const int64_t firstSize = SizeOf(first.Get());
  bar.Font().SetSize(12);
  bar.Font().SetStyle(fsBold | fsItalic | fsUnderline);
  EXPECT_EQ(SizeOf(first.Get()), firstSize);  // no longer told of the control's font
  PutSize(first.Get(), 20 * PointsScale);
  EXPECT_EQ(bar.Font().Size(), 12);  // nor telling it

  const ComPtr<IFont> second = Connected();
  EXPECT_NE(second.Get(), first.Get());
  EXPECT_EQ(NameOf(second.Get()), "Tahoma");
  EXPECT_EQ(SizeOf(second.Get()), 12 * PointsScale);
  EXPECT_TRUE(BoldOf(second.Get()));
  BOOL italic = FALSE, underline = FALSE, strikeOut = TRUE;
  SHORT charset = -1;
  EXPECT_EQ(second->get_Italic(&italic), S_OK);
  EXPECT_EQ(second->get_Underline(&underline), S_OK);
  EXPECT_EQ(second->get_Strikethrough(&strikeOut), S_OK);
  EXPECT_EQ(second->get_Charset(&charset), S_OK);
  EXPECT_TRUE(italic);
  EXPECT_TRUE(underline);
  EXPECT_FALSE(strikeOut);
  EXPECT_EQ(charset, ANSI_CHARSET);
}

TEST_F(FontAdapterTest, PutOfAnObjectThatIsNoFontFailsAndChangesNothing) {
  const ComPtr<IFontDisp> before = adapter.FontDisp();
  TFont expected;
  expected.Assign(bar.Font());
  ComPtr<IStream> stream;
  ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  try {
    adapter.Put(stream.Get());
    ADD_FAILURE() << "a stream was taken for a font";
  } catch (const EFrameworkError& e) {
    EXPECT_STREQ(e.what(), "Interface not supported");
  }
  EXPECT_EQ(adapter.FontDisp().Get(), before.Get());
  EXPECT_EQ(Connections(before.Get()), 1);
  EXPECT_TRUE(bar.Font().SameAs(expected));
  EXPECT_EQ(controlFontChanges, 0);
}

TEST_F(FontAdapterTest, ControlChangesReachTheAutomationFontAndDoNotComeBack) {
  // The platform reports the charset of the font it realized, not DEFAULT_CHARSET: a change that came
  // back from the automation font would show in the control's charset.
  bar.Font().SetCharset(DEFAULT_CHARSET);
  const ComPtr<IFont> font = Connected();
  controlFontChanges = 0;

  bar.Font().SetSize(15);
  EXPECT_EQ(SizeOf(font.Get()), 15 * PointsScale);
  bar.Font().SetStyle(fsBold);
  EXPECT_TRUE(BoldOf(font.Get()));
  bar.Font().SetName("Courier");  // a raster face: it realizes at a size of its own, not 15 points
  EXPECT_EQ(NameOf(font.Get()), "Courier");
  ASSERT_NE(SizeOf(font.Get()), 15 * PointsScale);

  SHORT charset = -1;
  ASSERT_EQ(font->get_Charset(&charset), S_OK);
  ASSERT_NE(charset, DEFAULT_CHARSET);
  EXPECT_EQ(bar.Font().Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(bar.Font().Name(), "Courier");
  EXPECT_EQ(bar.Font().Size(), 15);
  EXPECT_EQ(controlFontChanges, 3);
}

TEST_F(FontAdapterTest, PuttingTheConnectedFontAgainKeepsOneConnection) {
  const ComPtr<IFont> own = NewFont(L"Tahoma", 9 * PointsScale);
  adapter.Put(own.Get());
  adapter.Put(own.Get());
  EXPECT_EQ(Connections(own.Get()), 1);
  EXPECT_EQ(References(own.Get()), 2u);  // the test's and the adapter's
  PutSize(own.Get(), 18 * PointsScale);
  EXPECT_EQ(bar.Font().Size(), 18);

  // The same again when the adapter holds the only reference to what it is given.
  IUnknown* sole = nullptr;
  {
    const ComPtr<IFont> fresh = NewFont(L"Tahoma", 12 * PointsScale);
    adapter.Put(fresh.Get());
    sole = fresh.Get();
  }
  EXPECT_EQ(Connections(own.Get()), 0);  // the font it replaced is let go
  EXPECT_EQ(References(own.Get()), 1u);
  ASSERT_EQ(References(sole), 1u);
  adapter.Put(sole);
  EXPECT_EQ(References(sole), 1u);
  EXPECT_EQ(Connections(sole), 1);
  EXPECT_EQ(bar.Font().Size(), 12);
}

TEST_F(FontAdapterTest, DestroyedControlLeavesAPutFontWithTheTestsReferencesOnly) {
  const ComPtr<IFont> own = NewFont(L"Tahoma", 9 * PointsScale);
  EXPECT_EQ(References(own.Get()), 1u);
  adapter.Put(own.Get());
  EXPECT_EQ(References(own.Get()), 2u);
  EXPECT_EQ(Connections(own.Get()), 1);

  host.reset();
  EXPECT_EQ(References(own.Get()), 1u);
  EXPECT_EQ(Connections(own.Get()), 0);
  PutSize(own.Get(), 12 * PointsScale);  // nobody left to tell, and nothing breaks
  EXPECT_EQ(SizeOf(own.Get()), 12 * PointsScale);
}

}  // namespace
}  // namespace zarnel::test
