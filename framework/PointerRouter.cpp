#include "PointerRouter.h"

#include <utility>

#include "GraphicControl.h"

namespace zarnel {
namespace {

// The topmost (last added) visible, enabled graphic control under the point.
TGraphicControl* GraphicControlAt(const std::vector<TControl*>& controls, POINT pt) {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    auto* graphic = dynamic_cast<TGraphicControl*>(*it);
    if (!graphic || !graphic->Visible() || !graphic->Enabled()) continue;
    const RECT area = graphic->BoundsRect();
    if (::PtInRect(&area, pt)) return graphic;
  }
  return nullptr;
}

}  // namespace

bool TPointerRouter::Route(HWND wnd, const std::vector<TControl*>& controls, UINT msg, LPARAM lParam) {
  const POINT pt{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
  switch (msg) {
    case WM_MOUSEMOVE: {
      TGraphicControl* over = GraphicControlAt(controls, pt);
      // While pressed, only the pressed control can be under the pointer.
      if (FPressed && over != FPressed) over = nullptr;
      MoveOver(wnd, over);
      return FPressed || over;
    }
    case WM_MOUSELEAVE:
      MoveOver(wnd, nullptr);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TGraphicControl* target = GraphicControlAt(controls, pt);
      if (!target) return false;
      FPressed = target;
      ::SetCapture(wnd);
      target->MouseDown(pt.x - target->Left(), pt.y - target->Top());
      return true;
    }
    case WM_LBUTTONUP: {
      TGraphicControl* pressed = std::exchange(FPressed, nullptr);
      if (!pressed) return false;
      ::ReleaseCapture();
      pressed->MouseUp(pt.x - pressed->Left(), pt.y - pressed->Top());
      return true;
    }
    case WM_CAPTURECHANGED:
      // Capture taken away mid-press: the press ends outside the control, so it is no click.
      if (FPressed && reinterpret_cast<HWND>(lParam) != wnd) std::exchange(FPressed, nullptr)->MouseUp(-1, -1);
      return false;
    default:
      return false;
  }
}

void TPointerRouter::MoveOver(HWND wnd, TGraphicControl* control) {
  if (control == FOver) return;
  if (FOver) FOver->MouseLeave();
  FOver = control;
  if (!FOver) return;
  // Ask for WM_MOUSELEAVE, so that leaving the window also leaves the control.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, wnd, 0};
  ::TrackMouseEvent(&track);
  FOver->MouseEnter();
}

void TPointerRouter::Forget(const TControl* control) {
  if (control == FOver) FOver = nullptr;
  if (control == FPressed) FPressed = nullptr;
}

}  // namespace zarnel
