#include "ControlHost.h"

namespace zarnel::test {

TControlHost::TControlHost() {
  FForm.SetBounds(0, 0, 420, 240);
  FForm.SetCaption("test host");
  FForm.Show();
  FControl = std::make_unique<TZarnel2Pro>(nullptr);
  FControl->SetLeft(8);
  FControl->SetTop(8);
  FControl->SetParentWindow(FForm.Handle());
  FControl->Handle();
  Settle();
}

TControlHost::~TControlHost() { FControl.reset(); }

void TControlHost::Settle() {
  ::UpdateWindow(FForm.Handle());
  ProcessMessages();
  ::GdiFlush();
}

}  // namespace zarnel::test
