#include "Button.h"

#include "Form.h"
#include "PropertyBinding.h"
#include "StandardTypes.h"

namespace zarnel {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

stream::TPropertyTable TButton::PublishedProperties() {
  using namespace stream;
  auto properties = BoundsProperties();
  properties.insert(
      properties.end(),
      {
          BooleanProperty("Cancel", *this, &TButton::Cancel, &TButton::SetCancel, false),
          StringProperty("Caption", *this, &TButton::Caption, &TButton::SetCaption),
          BooleanProperty("Default", *this, &TButton::Default, &TButton::SetDefault, false),
          IntegerProperty("ModalResult", Int32Type, *this, &TButton::ModalResult, &TButton::SetModalResult, mrNone),
          IntegerProperty("TabOrder", Int32Type, *this, &TWinControl::TabOrder, &TWinControl::SetTabOrder),
      });
  return TPropertyTable(std::move(properties));
}

void TButton::SetCaption(const std::string& caption) {
  FCaption = caption;
  if (HandleAllocated()) ::SetWindowTextA(Handle(), caption.c_str());
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (OnClick) OnClick(this);
  if (FModalResult == mrNone) return;
  if (TForm* form = ParentForm(*this)) form->SetModalResult(FModalResult);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "BUTTON";
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  params.Caption = FCaption;
}

void TButton::HandleCreated() { FontChanged(); }

LRESULT TButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The BUTTON class draws and handles input itself; the framework only keeps the bounds current.
  if (msg == WM_SIZE || msg == WM_MOVE) TWinControl::WndProc(msg, wParam, lParam);
  return DefaultHandler(msg, wParam, lParam);
}

void TButton::FontChanged() {
  if (HandleAllocated()) ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(EffectiveFont().Handle()), TRUE);
}

}  // namespace zarnel
