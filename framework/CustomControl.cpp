#include "CustomControl.h"

namespace zarnel {

void TCustomControl::PaintTo(HDC dc) {
  TControlCanvas::TBinding binding(FCanvas, dc);
  Paint();
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    TPaintRequest request(Handle());
    if (request.DC()) PaintTo(request.DC());
    return 0;
  }
  return TWinControl::WndProc(msg, wParam, lParam);
}

}  // namespace zarnel
