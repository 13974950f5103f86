#include "Input.h"

#include "Form.h"

namespace zarnel::test {

void PointerTo(HWND wnd, int x, int y) {
  POINT pt{x, y};
  ::ClientToScreen(wnd, &pt);
  INPUT in{};
  in.type = INPUT_MOUSE;
  // Absolute coordinates are normalised to 0..65535 over the primary screen.
  in.mi.dx = static_cast<LONG>((pt.x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((pt.y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Under Wine a move can come back late from the X server and put the pointer where an earlier
  // move sent it (seen on a fresh display): move until the pointer stays where it was sent.
  POINT now{};
  for (int steady = 0, tries = 0; steady < 3 && tries < 100; ++tries) {
    if (steady == 0) ::SendInput(1, &in, sizeof in);
    DeliverInput();
    const bool there = ::GetCursorPos(&now) && now.x == pt.x && now.y == pt.y;
    steady = there ? steady + 1 : 0;
  }
}

void Press(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  ::SendInput(1, &in, sizeof in);
  DeliverInput();
}

void DeliverInput() {
  for (int i = 0; i < 5; ++i) {
    ::Sleep(10);
    ProcessMessages();
  }
}

void WaitOutDoubleClick() { ::Sleep(::GetDoubleClickTime() + 50); }

}  // namespace zarnel::test
