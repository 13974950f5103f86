#pragma once
#include "Canvas.h"
#include "Control.h"

namespace zarnel {

class TGraphicControl;

// The canvas of a control without a window: its parent's paint DC, with the origin moved to the
// control's top-left corner and drawing clipped to the control, for the duration of one paint.
class TGraphicCanvas final : public TCanvas {
 public:
  explicit TGraphicCanvas(TGraphicControl& control) : FControl(control) {}
  TSize SurfaceSize() override;

  class TBinding {
   public:
    TBinding(TGraphicCanvas& canvas, HDC dc);
    TBinding(const TBinding&) = delete;
    TBinding& operator=(const TBinding&) = delete;
    ~TBinding();

   private:
    TGraphicCanvas& FCanvas;
    TSavedDC FSaved;
  };

 protected:
  HDC RequireDC() override;

 private:
  TGraphicControl& FControl;
  HDC FDC = nullptr;
};

// A control its parent draws and feeds with pointer input: no window, no focus.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

  TCanvas& Canvas() { return FCanvas; }
  // Draws the control on its parent's paint DC (origin at the parent's client origin).
  void PaintOn(HDC parentDC);

  // Pointer notifications from the parent, in the control's own coordinates. Pressing captures the
  // pointer for the control until it is released.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(int32_t /*x*/, int32_t /*y*/) {}
  virtual void MouseUp(int32_t /*x*/, int32_t /*y*/) {}

 protected:
  virtual void Paint() = 0;

 private:
  TGraphicCanvas FCanvas{*this};
};

}  // namespace zarnel
