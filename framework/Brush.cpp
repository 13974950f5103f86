#include "Brush.h"

#include "SystemColors.h"

namespace zarnel {

void TBrush::SetColor(TColor color) {
  if (FColor == color && FStyle == TBrushStyle::bsSolid) return;
  FColor = color;
  FStyle = TBrushStyle::bsSolid;  // choosing a colour means painting with it
  FHandle.reset();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (FStyle == style) return;
  FStyle = style;
  FHandle.reset();
}

HBRUSH TBrush::Handle() {
  if (FStyle == TBrushStyle::bsClear) return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  // System colours are resolved afresh each time: the handle is cheap and the scheme may change.
  FHandle.reset(::CreateSolidBrush(ColorToRGB(FColor)));
  return FHandle.get();
}

}  // namespace zarnel
