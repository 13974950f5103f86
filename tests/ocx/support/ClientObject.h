#pragma once
// Objects of the control class as a client makes them: through the class factory of the .ocx loaded
// by path, held through IZarnelX, their control window found among the thread's windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <memory>
#include <vector>

#include "ClientHost.h"
#include "OcxModule.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {

// The .ocx, loaded once for the whole test process (a module unloaded between tests would leave its
// window classes behind).
const TOcxModule& ClientModule();
// The control class's factory, asked for IClassFactory; fails the test when it cannot be had.
Microsoft::WRL::ComPtr<IClassFactory> ControlFactory();

// The calling thread's parking window (class "TZarnelParkingWindow"), or null when there is none.
HWND ParkingWindow();
// The control windows (class "TZarnel2Pro") in the thread's parking window.
std::vector<HWND> ParkedControls();
// Every window of the calling thread, top-level windows and their descendants.
int CountThreadWindows();

class TClientObject {
 public:
  // Creates an object with the factory and finds the control window it made.
  TClientObject();
  ~TClientObject();
  TClientObject(const TClientObject&) = delete;
  TClientObject& operator=(const TClientObject&) = delete;

  IZarnelX* operator->() const { return FObject.Get(); }
  IZarnelX* Get() const { return FObject.Get(); }
  HWND ControlWindow() const { return FControlWindow; }

  // Shows the control in a visible window of the test's own (once) and settles it.
  TClientHost& Show();
  // The control's pixels as they are on the screen; shows it first if needed.
  TPixels Capture();
  // Lets go of the test's reference and returns what Release said (0: the object is gone); the
  // host window goes after it.
  ULONG Release();

 private:
  std::unique_ptr<TClientHost> FHost;
  Microsoft::WRL::ComPtr<IZarnelX> FObject;
  HWND FControlWindow = nullptr;
};

// The fixture of the tests that drive one object: after each test the object's last reference goes,
// and the module may unload.
class ClientControl : public testing::Test {
 protected:
  void TearDown() override;

  TClientObject object;
};

}  // namespace zarnel::test
