#include "Font.h"

#include <algorithm>
#include <utility>

#include "FrameworkError.h"

namespace zarnel {

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC screen = ::GetDC(nullptr);
    int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

const char* DefaultFontFace() {
  // Japanese systems lack the Western face; their user-interface face takes its place.
  static const char* const face = [] {
    CHARSETINFO info{};
    const bool japanese =
        ::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(::GetACP())), &info, TCI_SRCCODEPAGE) &&
        info.ciCharset == SHIFTJIS_CHARSET;
    return japanese ? "MS UI Gothic" : TFont::DefaultName;
  }();
  return face;
}

template <typename T>
void TFont::Update(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TFont::SetName(const std::string& name) { Update(FName, name); }
void TFont::SetHeight(int32_t height) { Update(FHeight, height); }
int32_t TFont::Size() const { return -::MulDiv(FHeight, 72, ScreenPixelsPerInch()); }
void TFont::SetSize(int32_t points) { SetHeight(-::MulDiv(points, ScreenPixelsPerInch(), 72)); }
void TFont::SetStyle(TFontStyles style) { Update(FStyle, style); }
void TFont::SetCharset(uint8_t charset) { Update(FCharset, charset); }
void TFont::SetPitch(TFontPitch pitch) { Update(FPitch, pitch); }

void TFont::SetColor(TColor color) {
  if (FColor == color) return;
  FColor = color;  // the colour is not part of the GDI font: keep the handle
  Notify();
}

bool TFont::SameAs(const TFont& o) const {
  return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FCharset == o.FCharset &&
         FPitch == o.FPitch && FColor == o.FColor;
}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  FPitch = source.FPitch;
  FColor = source.FColor;
  Changed();
}

void TFont::SetAdapter(std::unique_ptr<IFontAdapter> adapter) {
  if (FAdapter) throw EFrameworkError("The font already has an adapter");
  FAdapter = std::move(adapter);
}

void TFont::Changed() {
  FHandle.reset();
  Notify();
}

void TFont::Notify() {
  if (OnChange) OnChange();
  if (FAdapter) FAdapter->FontChanged();
}

// A height from a document or a property bag can be any 32-bit value, and the rasteriser spends
// minutes and gigabytes on glyphs thousands of pixels tall: the drawn font stops at this many.
constexpr LONG MaxDrawnHeight = 2048;

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTA lf{};
    lf.lfHeight = std::clamp<LONG>(FHeight, -MaxDrawnHeight, MaxDrawnHeight);
    lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (FStyle & fsItalic) != 0;
    lf.lfUnderline = (FStyle & fsUnderline) != 0;
    lf.lfStrikeOut = (FStyle & fsStrikeOut) != 0;
    lf.lfCharSet = FCharset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    static constexpr BYTE pitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
    lf.lfPitchAndFamily = pitches[static_cast<int>(FPitch) % 3];
    // "Default" names the framework's default face.
    const std::string face = (FName == "Default") ? std::string(DefaultFontFace()) : FName;
    face.copy(lf.lfFaceName, std::min(face.size(), sizeof lf.lfFaceName - 1));
    FHandle.reset(::CreateFontIndirectA(&lf));
  }
  return FHandle.get();
}

}  // namespace zarnel
