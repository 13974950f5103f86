#pragma once
// A visible window of the test's own that takes in an object's control window, so that what the
// control draws reaches the screen and can be read back. A control left in its hidden parking window
// is never painted at all.
#include <windows.h>

#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {

class TClientHost {
 public:
  TClientHost();
  // Gives the control back to the window it came from, if it still exists.
  ~TClientHost();
  TClientHost(const TClientHost&) = delete;
  TClientHost& operator=(const TClientHost&) = delete;

  HWND Handle() const { return FWindow.get(); }
  // Moves the control into this window, at a small offset from its top-left corner.
  void Adopt(HWND control);
  // Lets every pending paint happen, so the screen shows the settled state.
  void Settle() const;
  // The control's client area as it is on the screen, after settling.
  TPixels CaptureControl() const;

 private:
  TUniqueWindow FWindow;
  HWND FControl = nullptr;
  HWND FFormerParent = nullptr;
};

}  // namespace zarnel::test
