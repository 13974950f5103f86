#pragma once
#include <string>

#include "WinControl.h"

namespace zarnel {

// A top-level window that hosts controls: the About box, the demo and the tests' containers.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  void Show();

 protected:
  const char* WindowClassName() const override { return "TZarnelForm"; }
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string FCaption;
};

// Dispatches every message waiting for this thread, then returns.
void ProcessMessages();

}  // namespace zarnel
