#pragma once
// A shown form with one progress control in it, the way a container holds it.
#include <gtest/gtest.h>

#include <memory>

#include "Form.h"
#include "Zarnel2Pro.h"

namespace zarnel::test {

class TControlHost {
 public:
  TControlHost();
  ~TControlHost();
  TZarnel2Pro& Control() { return *FControl; }
  TForm& Form() { return FForm; }
  HWND ControlWindow() { return FControl->Handle(); }
  // Lets the window system deliver every pending paint, so the screen shows the settled state.
  void Settle();

 private:
  TForm FForm{nullptr};
  std::unique_ptr<TZarnel2Pro> FControl;
};

// The fixture of the window tests: one hosted control, its window at hand.
class HostedControl : public testing::Test {
 protected:
  TControlHost host;
  TZarnel2Pro& bar = host.Control();
  HWND wnd = host.ControlWindow();
};

}  // namespace zarnel::test
