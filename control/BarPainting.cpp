// The paint pipeline: two client-sized buffers, each holding one region's look and the whole caption
// in that region's colour; the window gets the left part of one and the right part of the other.
#include "Zarnel2Pro.h"

namespace zarnel {

void TZarnel2Pro::Paint() {
  TCustomControl::Paint();
  PaintBar();
}

void TZarnel2Pro::PaintBar() {
  TControlCanvas::TLease lease(Canvas());
  const int32_t width = ClientWidth();
  const int32_t height = ClientHeight();
  // The four buffers always share one size, so the left one speaks for all; each is rebuilt once.
  if (FLeftBitmap->Width() != width || FLeftBitmap->Height() != height) {
    for (TBitmap* b : {FLeftBitmap.get(), FRightBitmap.get(), FLeftTransBitmap.get(), FRightTransBitmap.get()})
      b->SetSize(width, height);
  }
  if (FCustomBitMapActive)
    PaintCustom();
  else
    PaintPlain();
}

RECT TZarnel2Pro::GetLeftRect() { return RECT{0, 0, FPosition.FFilledWidth, ClientHeight()}; }
RECT TZarnel2Pro::GetRightRect() { return RECT{FPosition.FFilledWidth, 0, ClientWidth(), ClientHeight()}; }

TColor TZarnel2Pro::SubstituteTransparent(TColor color) const {
  return (FTransparentColor && color == FTransparentColorValue) ? Color() : color;
}

void TZarnel2Pro::PaintPlain() {
  TCaptionLayout layout;
  if (FShowText) layout = LayoutCaption();
  const TCaptionLayout* caption = FShowText ? &layout : nullptr;
  const RECT left = GetLeftRect();
  const RECT right = GetRightRect();
  PaintPlainRegion(*FLeftBitmap, left, FColorLeft, FFontColorLeft, caption);
  PaintPlainRegion(*FRightBitmap, right, FColorRight, FFontColorRight, caption);
  Canvas().CopyRect(left, FLeftBitmap->Canvas(), left);
  Canvas().CopyRect(right, FRightBitmap->Canvas(), right);
}

void TZarnel2Pro::PaintPlainRegion(TBitmap& buffer, const RECT& region, TColor background, TColor caption,
                                   const TCaptionLayout* layout) {
  TCanvas& canvas = buffer.Canvas();
  // The previous paint's caption left the brush clear.
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(SubstituteTransparent(background));
  canvas.FillRect(region);
  if (layout) DrawCaption(buffer, SubstituteTransparent(caption), *layout);
}

void TZarnel2Pro::PaintCustom() {
  TCaptionLayout layout;
  if (FShowText) layout = LayoutCaption();
  if (!FShowText && !FTransparentColor) {
    BlitCustomBitMap();
    return;
  }
  const RECT left = GetLeftRect();
  const RECT right = GetRightRect();
  const int32_t half = FCustomHeight / 2;
  FLeftBitmap->Canvas().CopyRect(left, FCustomBitMap->Canvas(), left);
  if (FShowText) DrawCaption(*FLeftBitmap, FFontColorLeft, layout);
  FRightBitmap->Canvas().CopyRect(right, FCustomBitMap->Canvas(),
                                  RECT{FPosition.FFilledWidth, half, FCustomWidth, 2 * half});
  if (FShowText) DrawCaption(*FRightBitmap, FFontColorRight, layout);
  if (FTransparentColor) {
    // The buffers carry the key colour: drawing them over the background leaves it showing there.
    for (TBitmap* trans : {FLeftTransBitmap.get(), FRightTransBitmap.get()}) {
      trans->Canvas().Brush().SetColor(Color());
    }
    FLeftTransBitmap->Canvas().FillRect(left);
    FRightTransBitmap->Canvas().FillRect(right);
    FLeftTransBitmap->Canvas().Draw(0, 0, *FLeftBitmap);
    FRightTransBitmap->Canvas().Draw(0, 0, *FRightBitmap);
  }
  BlitBuffers();
}

void TZarnel2Pro::BlitBuffers() {
  TBitmap& leftSource = FTransparentColor ? *FLeftTransBitmap : *FLeftBitmap;
  TBitmap& rightSource = FTransparentColor ? *FRightTransBitmap : *FRightBitmap;
  Canvas().CopyRect(GetLeftRect(), leftSource.Canvas(), GetLeftRect());
  Canvas().CopyRect(GetRightRect(), rightSource.Canvas(), GetRightRect());
}

void TZarnel2Pro::BlitCustomBitMap() {
  const int32_t half = FCustomHeight / 2;
  Canvas().CopyRect(GetLeftRect(), FCustomBitMap->Canvas(), GetLeftRect());
  Canvas().CopyRect(GetRightRect(), FCustomBitMap->Canvas(),
                    RECT{FPosition.FFilledWidth, half, ClientWidth(), 2 * half});
}

std::string TZarnel2Pro::GetPerCentText() const { return std::to_string(FPosition.FPerCent) + " %"; }

int32_t TZarnel2Pro::CaptionWidth() { return FLeftBitmap->Canvas().TextExtent(FText + GetPerCentText()).cx; }

TZarnel2Pro::TCaptionLayout TZarnel2Pro::LayoutCaption() {
  FLeftBitmap->Canvas().Font().Assign(Font());
  FRightBitmap->Canvas().Font().Assign(Font());
  TCaptionLayout layout;
  layout.Text = FText + GetPerCentText();
  const int32_t width = ClientWidth();
  const int32_t captionWidth = CaptionWidth();
  layout.X = captionWidth < width ? (width - captionWidth) / 2 : 0;
  // Only the number sets the height, so a prefix in another script does not shift the line.
  const int32_t height = FLeftBitmap->Canvas().TextExtent(GetPerCentText()).cy;
  layout.Y = (ClientHeight() - height) / 2;
  return layout;
}

void TZarnel2Pro::DrawCaption(TBitmap& buffer, TColor color, const TCaptionLayout& layout) {
  TCanvas& canvas = buffer.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetColor(color);
  canvas.TextOut(layout.X, layout.Y, layout.Text);
}

}  // namespace zarnel
