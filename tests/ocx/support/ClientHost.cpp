#include "ClientHost.h"

#include <gtest/gtest.h>

#include "Form.h"
#include "WindowClass.h"

namespace zarnel::test {
namespace {

constexpr const char* HostClassName = "ZarnelClientHost";
constexpr int ControlOffset = 8;

}  // namespace

TClientHost::TClientHost() {
  EnsureWindowClass(HostClassName, 0, ::DefWindowProcA);
  FWindow.reset(::CreateWindowExA(0, HostClassName, "client host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                  40, 40, 360, 160, nullptr, nullptr, ModuleInstance(), nullptr));
  EXPECT_NE(FWindow.get(), nullptr) << "cannot create the host window, error " << ::GetLastError();
  Settle();
}

TClientHost::~TClientHost() {
  if (FControl && ::IsWindow(FControl)) ::SetParent(FControl, FFormerParent);
}

void TClientHost::Adopt(HWND control) {
  FControl = control;
  FFormerParent = ::SetParent(control, FWindow.get());
  ::SetWindowPos(control, HWND_TOP, ControlOffset, ControlOffset, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  Settle();
}

void TClientHost::Settle() const {
  ::UpdateWindow(FWindow.get());
  ProcessMessages();
  ::GdiFlush();
}

TPixels TClientHost::CaptureControl() const {
  Settle();
  return CaptureClient(FControl);
}

}  // namespace zarnel::test
