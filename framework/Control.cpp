#include "Control.h"

#include "PropertyBinding.h"
#include "StandardTypes.h"
#include "WinControl.h"

namespace zarnel {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  // A font of its own, set by whoever, ends the use of the parent's.
  FFont.OnChange = [this] {
    FSettings.ParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  Invalidate();
  if (FParent) FParent->RemoveControl(this);
  FParent = parent;
  if (FParent) FParent->InsertControl(this);
  Invalidate();
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
}

void TControl::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  // A hidden control is no longer drawn, so its old area must be drawn again too.
  InvalidateArea();
}

void TControl::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Invalidate();
}

TFont& TControl::EffectiveFont() { return (FSettings.ParentFont && FParent) ? FParent->Font() : FFont; }

void TControl::SetParentFont(bool value) {
  if (value == FSettings.ParentFont) return;
  FSettings.ParentFont = value;
  FontChanged();
}

void TControl::Invalidate() {
  if (FVisible) InvalidateArea();
}

void TControl::InvalidateArea() {
  if (!FParent || !FParent->HandleAllocated()) return;
  const RECT area = BoundsRect();
  ::InvalidateRect(FParent->Handle(), &area, TRUE);
}

std::vector<stream::TPropertyInfo> TControl::BoundsProperties() {
  using stream::Int32Type;
  using stream::IntegerProperty;
  TControl& self = *this;
  return {
      IntegerProperty("Left", Int32Type, self, &TControl::Left, &TControl::SetLeft),
      IntegerProperty("Top", Int32Type, self, &TControl::Top, &TControl::SetTop),
      IntegerProperty("Width", Int32Type, self, &TControl::Width, &TControl::SetWidth),
      IntegerProperty("Height", Int32Type, self, &TControl::Height, &TControl::SetHeight),
  };
}

}  // namespace zarnel
