#pragma once
// Real pointer input through the window system (SendInput), so capture and double-click
// recognition are the platform's own.
#include <windows.h>

namespace zarnel::test {

// Moves the pointer to a client point of `wnd` (may lie outside the client area).
void PointerTo(HWND wnd, int x, int y);
void Press(DWORD downFlag);  // MOUSEEVENTF_LEFTDOWN, _RIGHTDOWN, ...
// Pumps messages until the input queue has been drained into the windows.
void DeliverInput();
// Lets the double-click time pass, so the next press is a fresh click.
void WaitOutDoubleClick();

}  // namespace zarnel::test
