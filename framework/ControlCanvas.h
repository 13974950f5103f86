#pragma once
#include "Canvas.h"
#include "Handles.h"

namespace zarnel {

class TWinControl;

// The client area of a control. Inside a paint request it draws on that request's DC; outside one it
// takes the window's own DC, which a lease taken around a direct paint gives back at its end.
class TControlCanvas final : public TCanvas {
 public:
  explicit TControlCanvas(TWinControl& control) : FControl(control) {}

  TSize SurfaceSize() override;

  // Draws on a DC someone else owns (a paint request, or a container's DC) for one scope.
  class TBinding {
   public:
    TBinding(TControlCanvas& canvas, HDC dc) : FCanvas(canvas), FPrevious(canvas.FBoundDC) { canvas.FBoundDC = dc; }
    TBinding(const TBinding&) = delete;
    TBinding& operator=(const TBinding&) = delete;
    ~TBinding() { FCanvas.FBoundDC = FPrevious; }

   private:
    TControlCanvas& FCanvas;
    HDC FPrevious;
  };

  // Releases the window DC at the end of the scope if it was taken during it.
  class TLease {
   public:
    explicit TLease(TControlCanvas& canvas) : FCanvas(canvas), FHeld(static_cast<bool>(canvas.FWindowDC)) {}
    TLease(const TLease&) = delete;
    TLease& operator=(const TLease&) = delete;
    ~TLease() {
      if (!FHeld) FCanvas.FWindowDC.reset();
    }

   private:
    TControlCanvas& FCanvas;
    bool FHeld;
  };

 protected:
  HDC RequireDC() override;

 private:
  TWinControl& FControl;
  HDC FBoundDC = nullptr;
  TWindowDC FWindowDC;
};

}  // namespace zarnel
