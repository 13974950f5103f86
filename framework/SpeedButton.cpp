#include "SpeedButton.h"

#include "PropertyBinding.h"
#include "StoredBitmap.h"
#include "WinControl.h"

namespace zarnel {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  FGlyph.SetTransparent(true);
}

stream::TPropertyTable TSpeedButton::PublishedProperties() {
  using namespace stream;
  auto properties = BoundsProperties();
  properties.push_back(BooleanProperty("Flat", *this, &TSpeedButton::Flat, &TSpeedButton::SetFlat, false));
  properties.push_back(ObjectProperty("Glyph", [this] {
    return TPropertyTable({BinaryProperty("Data", *this, &TSpeedButton::GlyphData, &TSpeedButton::SetGlyphData)});
  }));
  return TPropertyTable(std::move(properties));
}

void TSpeedButton::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  Invalidate();
}

void TSpeedButton::SetGlyphData(const std::vector<uint8_t>& data) {
  if (data.empty()) {
    FGlyph.SetSize(0, 0);
  } else {
    FGlyph.LoadFromImage(imaging::DecodeStoredBitmap(data));
  }
  FGlyphData = data;
  Invalidate();
}

void TSpeedButton::MouseEnter() { SetState(true, FPressed); }
void TSpeedButton::MouseLeave() { SetState(false, FPressed); }
void TSpeedButton::MouseDown(int32_t, int32_t) { SetState(FMouseInControl, true); }

void TSpeedButton::MouseUp(int32_t x, int32_t y) {
  SetState(FMouseInControl, false);
  const bool inside = x >= 0 && y >= 0 && x < FWidth && y < FHeight;
  if (inside && OnClick) OnClick(this);
}

void TSpeedButton::SetState(bool over, bool pressed) {
  if (over == FMouseInControl && pressed == FPressed) return;
  FMouseInControl = over;
  FPressed = pressed;
  Invalidate();
}

void TSpeedButton::Paint() {
  HDC dc = Canvas().Handle();
  RECT rc{0, 0, FWidth, FHeight};
  const bool down = FPressed && FMouseInControl;
  if (Parent()) ::FillRect(dc, &rc, Parent()->Brush().Handle());
  if (!FFlat) {
    ::DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  } else if (down) {
    ::DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
  } else if (FMouseInControl) {
    ::DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
  }
  // Centred, and one pixel down and right while pressed.
  const int offset = down ? 1 : 0;
  Canvas().Draw((FWidth - FGlyph.Width()) / 2 + offset, (FHeight - FGlyph.Height()) / 2 + offset, FGlyph);
}

}  // namespace zarnel
