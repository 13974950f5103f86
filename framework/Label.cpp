#include "Label.h"

#include "Brush.h"
#include "FontProperties.h"
#include "Handles.h"
#include "PropertyBinding.h"
#include "StandardTypes.h"
#include "SystemColors.h"
#include "WinControl.h"

namespace zarnel {
namespace {

constexpr UINT LabelTextFormat = DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX;

SIZE MeasureText(TFont& font, const std::string& text) {
  TUniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  TSelection selected(dc.get(), font.Handle());
  RECT rc{0, 0, 0, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rc, LabelTextFormat | DT_CALCRECT);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

stream::TPropertyTable TLabel::PublishedProperties() {
  auto properties = BoundsProperties();
  properties.push_back(stream::StringProperty("Caption", *this, &TLabel::Caption, &TLabel::SetCaption));
  properties.push_back(stream::ObjectProperty("Font", [this] { return FontProperties(FFont); }));
  properties.push_back(
      stream::BooleanProperty("ParentFont", *this, &TControl::ParentFont, &TControl::SetParentFont, true));
  return stream::TPropertyTable(std::move(properties));
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::SetCaption(const std::string& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::AdjustBounds() {
  if (IsLoading()) return;  // once, when the whole layout has been read
  const SIZE size = MeasureText(EffectiveFont(), FCaption);
  SetBounds(FLeft, FTop, size.cx, size.cy);
}

void TLabel::Paint() {
  HDC dc = Canvas().Handle();
  RECT rc{0, 0, FWidth, FHeight};
  if (Parent()) ::FillRect(dc, &rc, Parent()->Brush().Handle());
  TFont& font = EffectiveFont();
  TSelection selected(dc, font.Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(font.Color()));
  ::DrawTextA(dc, FCaption.c_str(), static_cast<int>(FCaption.size()), &rc, LabelTextFormat);
}

}  // namespace zarnel
