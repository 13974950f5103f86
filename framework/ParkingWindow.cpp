#include "ParkingWindow.h"

#include "FrameworkError.h"
#include "WindowClass.h"

namespace zarnel {
namespace {

constexpr const char* ParkingClassName = "TZarnelParkingWindow";

struct TThreadParking {
  HWND Window = nullptr;
  int Leases = 0;
};

thread_local TThreadParking Parking;

}  // namespace

TParkingWindow::TParkingWindow() {
  if (Parking.Leases == 0) {
    EnsureWindowClass(ParkingClassName, 0, ::DefWindowProcA);
    Parking.Window = ::CreateWindowExA(WS_EX_TOOLWINDOW, ParkingClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       ModuleInstance(), nullptr);
    if (!Parking.Window) throw EFrameworkError("Error creating window");
  }
  ++Parking.Leases;
}

TParkingWindow::~TParkingWindow() {
  if (--Parking.Leases == 0) {
    ::DestroyWindow(Parking.Window);
    Parking.Window = nullptr;
  }
}

HWND TParkingWindow::Handle() const { return Parking.Window; }

}  // namespace zarnel
