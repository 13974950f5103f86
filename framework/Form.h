#pragma once
#include <cstdint>
#include <string>

#include "ModalResult.h"
#include "WinControl.h"

namespace zarnel {

class TButton;

enum class TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;  // a set of TBorderIcon bits
enum class TPosition : uint8_t { poDesigned, poScreenCenter };

// A top-level window that hosts controls (the About box, the demo's and the tests' windows). Shown
// modally, it runs its own message loop until a button or the system menu's Close sets its modal
// result; the form's keys are Enter (the focused or default button), Esc (the cancel button) and Tab.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);

  std::string_view ClassName() const override { return "TForm"; }
  stream::TPropertyTable PublishedProperties() override;
  // The framework's control classes: labels, buttons and speed buttons.
  TComponent* CreateChild(std::string_view className) override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // The frame and its icons take effect when the window is made; a layout states them before its
  // client size, which depends on the frame.
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style) { FBorderStyle = style; }
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons) { FBorderIcons = icons; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  // The resolution the layout was designed at, kept as read.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }
  int32_t TextHeight() const { return FTextHeight; }
  void SetTextHeight(int32_t value) { FTextHeight = value; }

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form and runs the thread's messages until the modal result is set; the thread's other
  // windows are disabled meanwhile and the window active before is activated again afterwards.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }

 protected:
  void CreateParams(TCreateParams& params) override;
  SIZE NonClientExtent() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void RunModalLoop();
  // Enter, Esc and Tab for the form's controls; true when the key was used.
  bool DialogKey(const MSG& msg);
  // The windowed controls that take focus by Tab, in tab order.
  std::vector<TWinControl*> TabList() const;
  // The form's button with that window, or nullptr.
  TButton* ButtonOf(HWND wnd) const;
  TButton* ButtonWhere(bool (TButton::*flag)() const) const;
  void FocusNext(bool backwards);

  std::string FCaption;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition FPosition = TPosition::poDesigned;
  int32_t FPixelsPerInch = 96;
  int32_t FTextHeight = 13;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  HWND FPopupOwner = nullptr;
};

// The form a control sits on, or nullptr.
TForm* ParentForm(TControl& control);

// Dispatches every message waiting for this thread, then returns.
void ProcessMessages();

}  // namespace zarnel
