#include "GraphicControl.h"

#include "FrameworkError.h"

namespace zarnel {

TSize TGraphicCanvas::SurfaceSize() { return {FControl.Width(), FControl.Height()}; }

HDC TGraphicCanvas::RequireDC() {
  if (!FDC) throw EFrameworkError("Canvas does not allow drawing");
  return FDC;
}

TGraphicCanvas::TBinding::TBinding(TGraphicCanvas& canvas, HDC dc) : FCanvas(canvas), FSaved(dc) {
  const TControl& control = canvas.FControl;
  ::OffsetViewportOrgEx(dc, control.Left(), control.Top(), nullptr);
  ::IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
  canvas.FDC = dc;
}

TGraphicCanvas::TBinding::~TBinding() { FCanvas.FDC = nullptr; }

void TGraphicControl::PaintOn(HDC parentDC) {
  TGraphicCanvas::TBinding binding(FCanvas, parentDC);
  Paint();
}

}  // namespace zarnel
