#pragma once
#include <windows.h>

namespace zarnel {

// The hidden top-level window that holds a thread's controls while no container has taken them in.
// Each instance is a lease on the thread's one window: the first creates it, the last destroys it, so
// nothing is left behind when the module unloads.
class TParkingWindow {
 public:
  TParkingWindow();
  ~TParkingWindow();
  TParkingWindow(const TParkingWindow&) = delete;
  TParkingWindow& operator=(const TParkingWindow&) = delete;

  HWND Handle() const;
};

}  // namespace zarnel
