#include "ControlCanvas.h"

#include "FrameworkError.h"
#include "WinControl.h"

namespace zarnel {

TSize TControlCanvas::SurfaceSize() { return {FControl.ClientWidth(), FControl.ClientHeight()}; }

HDC TControlCanvas::RequireDC() {
  if (FBoundDC) return FBoundDC;
  if (!FWindowDC) {
    HWND wnd = FControl.Handle();
    HDC dc = ::GetDC(wnd);
    if (!dc) throw EFrameworkError("Error creating window device context");
    FWindowDC = TWindowDC(wnd, dc);
  }
  return FWindowDC.get();
}

}  // namespace zarnel
