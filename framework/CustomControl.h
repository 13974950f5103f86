#pragma once
#include "ControlCanvas.h"
#include "WinControl.h"

namespace zarnel {

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  ~TCustomControl() override { DestroyHandle(); }

  TControlCanvas& Canvas() { return FCanvas; }

  // Renders the client area into a DC the caller owns (a container's, or a test's), at its origin.
  void PaintTo(HDC dc);

 protected:
  // The paint operation bound to WM_PAINT; the canvas is ready when it runs.
  virtual void Paint() {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  TControlCanvas FCanvas{*this};
};

}  // namespace zarnel
