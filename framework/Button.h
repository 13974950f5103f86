#pragma once
#include <string>

#include "ModalResult.h"
#include "WinControl.h"

namespace zarnel {

// A push button: a window of the system's BUTTON class. A click sets its form's modal result when
// the button has one; the form clicks its default button on Enter and its cancel button on Esc.
class TButton final : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  std::string_view ClassName() const override { return "TButton"; }
  stream::TPropertyTable PublishedProperties() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  TNotifyEvent OnClick;
  void Click();

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void FontChanged() override;

 private:
  std::string FCaption;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

}  // namespace zarnel
