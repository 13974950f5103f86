#include "Zarnel2Pro.h"

#include "Zarnel2ProProperties.h"

namespace zarnel {

TZarnel2Pro::TZarnel2Pro(TComponent* owner) : TCustomControl(owner) {
  AddControlStyle(csOpaque | csDoubleClicks);
  FOnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int32_t x, int32_t y) {
    HandleMouseDown(s, b, sh, x, y);
  };
  FOnMouseMove = [this](TObject* s, TShiftState sh, int32_t x, int32_t y) { HandleMouseMove(s, sh, x, y); };
  FOnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int32_t x, int32_t y) {
    HandleMouseUp(s, b, sh, x, y);
  };
  FCustomBitMapActive = false;
  FLeftBitmap = std::make_unique<TBitmap>();
  FRightBitmap = std::make_unique<TBitmap>();
  FCustomBitMap = std::make_unique<TBitmap>();
  FLeftTransBitmap = std::make_unique<TBitmap>();
  FRightTransBitmap = std::make_unique<TBitmap>();
  FColorLeft = clNavy;
  FColorRight = clWhite;
  FFontColorLeft = clWhite;
  FFontColorRight = clBlack;
  FText.clear();
  FShowText = true;
  FTransparentColorValue = clWhite;  // the buffers' key colour is left alone until the setter runs
  // Range, position and cached view start at 0..100, 20, 20 % (the model's defaults).
  SetWidth(133);
  SetHeight(20);
  // Before a window exists the frame can only be estimated from the border width.
  FPosition.InitFilledWidth(Width() - 2 * BorderWidth());
  FOnResize = [this](TObject* sender) { ControlResized(sender); };
}

stream::TPropertyTable TZarnel2Pro::PublishedProperties() { return Zarnel2ProProperties(*this); }

TZarnel2Pro::~TZarnel2Pro() {
  FLeftBitmap.reset();
  FRightBitmap.reset();
  FCustomBitMap.reset();
  FLeftTransBitmap.reset();
  FRightTransBitmap.reset();
}

void TZarnel2Pro::SetMin(int32_t value) {
  if (IsLoading() && FPosition.HoldMin(value)) return;
  FPosition.SetMin(value, ClientWidth());
  PaintBar();
}

// A saved range whose Min lies at or above the Max the control had gets that Min only now. The mark
// also ends while a failed load unwinds, where nothing may throw: the window's next paint draws it.
void TZarnel2Pro::LoadingEnded() {
  TCustomControl::LoadingEnded();
  if (FPosition.ApplyHeldMin(ClientWidth())) Invalidate();
}

void TZarnel2Pro::SetMax(int32_t value) {
  FPosition.SetMax(value, ClientWidth());
  PaintBar();
}

void TZarnel2Pro::SetPosition(int32_t value) {
  if (FPosition.SetPosition(value, ClientWidth(), this)) PaintBar();
}

void TZarnel2Pro::AddPosition(int32_t amount) {
  if (FPosition.AddPosition(amount, ClientWidth(), this)) PaintBar();
}

void TZarnel2Pro::PerCentChanged(int16_t perCent) {
  if (OnPerCentChange) OnPerCentChange(this, perCent);
}

void TZarnel2Pro::SetRepaintStep(uint8_t step) {
  FPosition.BuildStepTable(step, ClientWidth());
  PaintBar();
}

void TZarnel2Pro::SetRepaintStepOffset(uint8_t offset) {
  FPosition.SetRepaintStepOffset(offset, ClientWidth());
  PaintBar();
}

void TZarnel2Pro::SetWrapExceeded(bool value) {
  FPosition.WrapExceeded = value;  // applies to later writes; the current position stays
  PaintBar();
}

void TZarnel2Pro::ControlResized(TObject*) { FPosition.ControlResized(ClientWidth()); }

void TZarnel2Pro::SetColorLeft(TColor value) {
  FColorLeft = value;
  PaintBar();
}

void TZarnel2Pro::SetColorRight(TColor value) {
  FColorRight = value;
  PaintBar();
}

void TZarnel2Pro::SetFontColorLeft(TColor value) {
  FFontColorLeft = value;
  PaintBar();
}

void TZarnel2Pro::SetFontColorRight(TColor value) {
  FFontColorRight = value;
  PaintBar();
}

void TZarnel2Pro::SetShowText(bool value) {
  FShowText = value;
  PaintBar();
}

void TZarnel2Pro::SetText(const std::string& value) {
  FText = value;
  PaintBar();
}

void TZarnel2Pro::SetTransparentColor(bool value) {
  FTransparentColor = value;
  FLeftBitmap->SetTransparent(value);
  FRightBitmap->SetTransparent(value);
  PaintBar();
}

void TZarnel2Pro::SetTransparentColorValue(TColor value) {
  FTransparentColorValue = value;
  FLeftBitmap->SetTransparentColor(value);
  FRightBitmap->SetTransparentColor(value);
  PaintBar();
}

void TZarnel2Pro::HandleMouseDown(TObject* sender, TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (OnMouseDown) OnMouseDown(sender, button, x, y);
}

void TZarnel2Pro::HandleMouseMove(TObject* sender, TShiftState, int32_t x, int32_t y) {
  if (OnMouseMove) OnMouseMove(sender, x, y);
}

void TZarnel2Pro::HandleMouseUp(TObject* sender, TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (OnMouseUp) OnMouseUp(sender, button, x, y);
}

}  // namespace zarnel
