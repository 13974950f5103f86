#include "FontAdapter.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "AnsiCodePage.h"
#include "Bstr.h"
#include "OleError.h"
#include "OlePro32.h"

namespace zarnel {
namespace {

using Microsoft::WRL::ComPtr;

// An automation size is in points scaled by 10000, as a currency value.
constexpr int64_t CurrencyScale = 10000;
// What cbSizeofstruct says: the structure's size in 32-bit code, whatever the build.
constexpr UINT FontDescSize = 32;
static_assert(sizeof(void*) != 4 || sizeof(FONTDESC) == FontDescSize);

// Sets a flag for as long as the scope lasts, however it ends.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
};

// The face name as automation wants it: never null, even for an empty name.
TBstr FaceName(const TFont& font) {
  const std::u16string wide = TAnsiCodePage().ToUtf16(font.Name());
  return MakeBstr(std::wstring_view(reinterpret_cast<const wchar_t*>(wide.data()), wide.size()));
}

CY CurrencySize(const TFont& font) {
  CY size{};
  size.int64 = font.Size() * CurrencyScale;
  return size;
}

// Whole points, the nearest to the currency value, a tie going to the even neighbour.
int32_t PointsFromCurrency(int64_t size) {
  int64_t points = size / CurrencyScale;
  int64_t rest = size % CurrencyScale;
  if (rest < 0) {
    rest += CurrencyScale;
    --points;
  }
  if (rest * 2 > CurrencyScale || (rest * 2 == CurrencyScale && points % 2 != 0)) ++points;
  return static_cast<int32_t>(
      std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

ComPtr<IConnectionPoint> NotifyPoint(IFont& font) {
  ComPtr<IConnectionPointContainer> container;
  OleCheck(font.QueryInterface(IID_PPV_ARGS(&container)));
  ComPtr<IConnectionPoint> point;
  OleCheck(container->FindConnectionPoint(IID_IPropertyNotifySink, &point));
  return point;
}

}  // namespace

TFontAdapter& TFontAdapter::Of(TFont& font) {
  if (auto* adapter = dynamic_cast<TFontAdapter*>(font.Adapter())) return *adapter;
  std::unique_ptr<TFontAdapter> adapter(new TFontAdapter(font));
  TFontAdapter& attached = *adapter;
  font.SetAdapter(std::move(adapter));
  return attached;
}

TFontAdapter::TFontAdapter(TFont& font) : FFont(font), FNotifier(new TAdapterNotifier(*this)) {}

TFontAdapter::~TFontAdapter() {
  FNotifier->Detach();
  Disconnect();
}

ComPtr<IFontDisp> TFontAdapter::FontDisp() {
  if (!FOleFont) {
    const TBstr name = FaceName(FFont);
    FONTDESC description{};
    description.cbSizeofstruct = FontDescSize;
    description.lpstrName = name.get();
    description.cySize = CurrencySize(FFont);
    description.sWeight = (FFont.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    description.sCharset = FFont.Charset();
    description.fItalic = (FFont.Style() & fsItalic) != 0;
    description.fUnderline = (FFont.Style() & fsUnderline) != 0;
    description.fStrikethrough = (FFont.Style() & fsStrikeOut) != 0;
    Connect(TOlePro32::Instance().NewFont(description));
  }
  ComPtr<IFontDisp> disp;
  OleCheck(FOleFont.As(&disp));
  return disp;
}

void TFontAdapter::Put(IUnknown* unknown) {
  ComPtr<IFont> font;
  if (unknown && FAILED(unknown->QueryInterface(IID_PPV_ARGS(&font)))) throw EFrameworkError("Interface not supported");
  if (font.Get() != FOleFont.Get()) Connect(std::move(font));
  Update();
}

void TFontAdapter::Update() {
  if (FUpdating || !FOleFont) return;
  IFont& source = *FOleFont.Get();
  TBstr name;
  CY size{};
  BOOL bold = FALSE, italic = FALSE, underline = FALSE, strikeOut = FALSE;
  SHORT charset = 0;
  OleCheck(source.get_Name(name.put()));
  OleCheck(source.get_Size(&size));
  OleCheck(source.get_Bold(&bold));
  OleCheck(source.get_Italic(&italic));
  OleCheck(source.get_Underline(&underline));
  OleCheck(source.get_Strikethrough(&strikeOut));
  OleCheck(source.get_Charset(&charset));

  const TFlagScope updating(FUpdating);
  // Built aside and assigned at once: the control sees one change, not seven.
  TFont font;
  font.Assign(FFont);
  font.SetName(BstrToText(name.get()));
  font.SetSize(PointsFromCurrency(size.int64));
  font.SetStyle(static_cast<TFontStyles>((bold ? fsBold : 0) | (italic ? fsItalic : 0) | (underline ? fsUnderline : 0) |
                                         (strikeOut ? fsStrikeOut : 0)));
  font.SetCharset(static_cast<uint8_t>(charset));
  FFont.Assign(font);
}

void TFontAdapter::FontChanged() {
  if (FUpdating || !FOleFont) return;
  const TFlagScope updating(FUpdating);
  // Each write comes back through the notifier, which the flag makes a no-op.
  IFont& target = *FOleFont.Get();
  const TFontStyles style = FFont.Style();
  OleCheck(target.put_Name(FaceName(FFont).get()));
  OleCheck(target.put_Size(CurrencySize(FFont)));
  OleCheck(target.put_Bold((style & fsBold) != 0));
  OleCheck(target.put_Italic((style & fsItalic) != 0));
  OleCheck(target.put_Underline((style & fsUnderline) != 0));
  OleCheck(target.put_Strikethrough((style & fsStrikeOut) != 0));
  OleCheck(target.put_Charset(FFont.Charset()));
}

void TFontAdapter::Connect(ComPtr<IFont> font) {
  DWORD connection = 0;
  if (font) OleCheck(NotifyPoint(*font.Get())->Advise(FNotifier.Get(), &connection));
  Disconnect();
  FOleFont = std::move(font);
  FConnection = connection;
}

void TFontAdapter::Disconnect() noexcept {
  if (!FOleFont) return;
  try {
    NotifyPoint(*FOleFont.Get())->Unadvise(FConnection);
  } catch (...) {
    // The font no longer offers its connection point: there is no advice left to take back.
  }
  FOleFont.Reset();
  FConnection = 0;
}

}  // namespace zarnel
