#pragma once
#include <windows.h>

#include <vector>

namespace zarnel {

class TControl;
class TGraphicControl;

// Feeds the pointer input of a window to the graphic controls drawn in it: entering and leaving,
// pressing the left button (the window captures the pointer for the pressed control) and releasing.
class TPointerRouter {
 public:
  // True when the message went to a graphic control and the window itself should not see it.
  bool Route(HWND wnd, const std::vector<TControl*>& controls, UINT msg, LPARAM lParam);
  // The control is going: no input may reach it any more.
  void Forget(const TControl* control);

 private:
  void MoveOver(HWND wnd, TGraphicControl* control);

  TGraphicControl* FOver = nullptr;
  TGraphicControl* FPressed = nullptr;
};

}  // namespace zarnel
