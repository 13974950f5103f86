#include "CustomControl.h"

namespace zarnel {
namespace {

class TPaintRequest {
 public:
  explicit TPaintRequest(HWND wnd) : FWnd(wnd), FDC(::BeginPaint(wnd, &FPaint)) {}
  TPaintRequest(const TPaintRequest&) = delete;
  TPaintRequest& operator=(const TPaintRequest&) = delete;
  ~TPaintRequest() { ::EndPaint(FWnd, &FPaint); }
  HDC DC() const { return FDC; }

 private:
  HWND FWnd;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

}  // namespace

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
