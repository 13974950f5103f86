#pragma once
#include <windows.h>

#include <vector>

namespace zarnel {

// While a modal window runs: the calling thread's other visible, enabled top-level windows are
// disabled, and enabled again when this goes.
class TDisabledTaskWindows {
 public:
  explicit TDisabledTaskWindows(HWND modal);
  TDisabledTaskWindows(const TDisabledTaskWindows&) = delete;
  TDisabledTaskWindows& operator=(const TDisabledTaskWindows&) = delete;
  ~TDisabledTaskWindows();

 private:
  std::vector<HWND> FDisabled;
};

}  // namespace zarnel
