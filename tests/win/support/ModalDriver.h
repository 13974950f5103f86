#pragma once
// Drives a modal window from a thread of its own, the way a user would: waits until a window of
// the given class is shown and drawn, hands it to `act` (which inspects it and closes it with real
// input), and makes sure the window goes, so that a test whose closing failed reports it instead of
// hanging.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace zarnel::test {

class TModalDriver {
 public:
  using TAction = std::function<void(HWND)>;

  TModalDriver(std::string windowClass, TAction act);
  TModalDriver(const TModalDriver&) = delete;
  TModalDriver& operator=(const TModalDriver&) = delete;
  ~TModalDriver();

  // Waits for the thread; afterwards the results below are final.
  void Finish();
  HWND Window() const { return FWindow; }
  bool Appeared() const { return FWindow != nullptr; }
  // The window was gone or hidden soon after `act`, without the driver's help.
  bool ClosedByAction() const { return FClosedByAction; }

 private:
  void Run();

  std::string FWindowClass;
  TAction FAct;
  HWND FWindow = nullptr;
  bool FClosedByAction = false;
  std::thread FThread;
};

// Key presses through the window system's input queue, to whatever window has the focus.
void PressKey(WORD key);
void PressKeyWith(WORD modifier, WORD key);
// A full left click at a client point of `wnd`.
void ClickAt(HWND wnd, int x, int y);

}  // namespace zarnel::test
