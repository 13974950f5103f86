#include "ModalDriver.h"

#include "Input.h"

namespace zarnel::test {
namespace {

// Long enough for a slow machine, short enough that a broken close fails the test quickly.
constexpr DWORD AppearTimeoutMs = 10000;
constexpr DWORD CloseTimeoutMs = 5000;

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(10);
  }
  return true;
}

BOOL CALLBACK FindUnpainted(HWND wnd, LPARAM found) {
  if (::GetUpdateRect(wnd, nullptr, FALSE)) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// The window's thread runs its message loop and has drawn the window and its children.
bool Settled(HWND wnd) {
  if (!::SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_BLOCK, CloseTimeoutMs, nullptr)) return false;
  bool unpainted = ::GetUpdateRect(wnd, nullptr, FALSE) != FALSE;
  ::EnumChildWindows(wnd, &FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

void SendKey(WORD key, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = flags;
  ::SendInput(1, &in, sizeof in);
}

}  // namespace

TModalDriver::TModalDriver(std::string windowClass, TAction act)
    : FWindowClass(std::move(windowClass)), FAct(std::move(act)), FThread([this] { Run(); }) {}

TModalDriver::~TModalDriver() { Finish(); }

void TModalDriver::Finish() {
  if (FThread.joinable()) FThread.join();
}

void TModalDriver::Run() {
  HWND wnd = nullptr;
  if (!WaitUntil(AppearTimeoutMs, [&] {
        wnd = ::FindWindowA(FWindowClass.c_str(), nullptr);
        return wnd && ::IsWindowVisible(wnd);
      }))
    return;
  FWindow = wnd;
  WaitUntil(CloseTimeoutMs, [wnd] { return Settled(wnd); });
  FAct(wnd);
  const auto gone = [wnd] { return !::IsWindow(wnd) || !::IsWindowVisible(wnd); };
  FClosedByAction = WaitUntil(CloseTimeoutMs, gone);
  // The action did not close it: close it anyway, so that the test fails rather than hangs.
  if (!FClosedByAction) ::PostMessageA(wnd, WM_CLOSE, 0, 0);
}

void PressKey(WORD key) {
  SendKey(key, 0);
  SendKey(key, KEYEVENTF_KEYUP);
}

void PressKeyWith(WORD modifier, WORD key) {
  SendKey(modifier, 0);
  PressKey(key);
  SendKey(modifier, KEYEVENTF_KEYUP);
}

void ClickAt(HWND wnd, int x, int y) {
  PointerTo(wnd, x, y);
  Press(MOUSEEVENTF_LEFTDOWN);
  Press(MOUSEEVENTF_LEFTUP);
}

}  // namespace zarnel::test
