#include "CustomControl.h"

#include "FrameworkError.h"

namespace zarnel {
namespace {

// An off-screen copy of one paint request's area: a bitmap compatible with the window's DC,
// addressed in the window's client coordinates, so whatever paints on it needs to know nothing.
class TPaintBuffer {
 public:
  TPaintBuffer(HDC window, const RECT& area)
      : FArea(area),
        FDC(::CreateCompatibleDC(window)),
        FBitmap(::CreateCompatibleBitmap(window, Width(), Height())),
        FSelection(FDC.get(), FBitmap.get()) {
    if (!FDC || !FBitmap) throw EFrameworkError("Error creating paint buffer");
    ::SetWindowOrgEx(FDC.get(), area.left, area.top, nullptr);
  }

  HDC DC() const { return FDC.get(); }
  // The whole area onto the window in one blit.
  void CopyTo(HDC window) const {
    ::BitBlt(window, FArea.left, FArea.top, Width(), Height(), FDC.get(), FArea.left, FArea.top, SRCCOPY);
  }

 private:
  int Width() const { return FArea.right - FArea.left; }
  int Height() const { return FArea.bottom - FArea.top; }

  RECT FArea;
  TUniqueMemoryDC FDC;
  TUniqueBitmap FBitmap;
  TSelection FSelection;
};

}  // namespace

void TCustomControl::PaintTo(HDC dc) {
  TControlCanvas::TBinding binding(FCanvas, dc);
  Paint();
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      // Double buffered, the background is erased in the buffer: the window never shows it alone.
      if (DoubleBuffered()) return 1;
      break;
    case WM_PAINT: {
      TPaintRequest request(Handle());
      if (!request.DC()) return 0;
      RECT area;
      if (!DoubleBuffered()) {
        PaintTo(request.DC());
      } else if (::GetClipBox(request.DC(), &area) > NULLREGION) {
        TPaintBuffer buffer(request.DC(), area);
        EraseBackground(buffer.DC());
        PaintTo(buffer.DC());
        buffer.CopyTo(request.DC());
      }
      return 0;
    }
  }
  return TWinControl::WndProc(msg, wParam, lParam);
}

}  // namespace zarnel
