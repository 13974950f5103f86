#include "Form.h"

#include <algorithm>
#include <array>

#include "AsciiText.h"
#include "Button.h"
#include "FontProperties.h"
#include "FrameworkError.h"
#include "Label.h"
#include "PropertyBinding.h"
#include "SpeedButton.h"
#include "StandardTypes.h"
#include "TaskWindows.h"

namespace zarnel {
namespace {

constexpr std::array<std::string_view, 4> BorderStyleNames{"bsNone", "bsSingle", "bsSizeable", "bsDialog"};
constexpr std::array<std::string_view, 4> BorderIconNames{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr std::array<std::string_view, 2> PositionNames{"poDesigned", "poScreenCenter"};
constexpr stream::TEnumType BorderStyleType{BorderStyleNames};
constexpr stream::TSetType BorderIconsType{BorderIconNames};
constexpr stream::TEnumType PositionType{PositionNames};

std::unique_ptr<TControl> NewControl(std::string_view className, TComponent* owner) {
  using stream::SameText;
  if (SameText(className, "TLabel")) return std::make_unique<TLabel>(owner);
  if (SameText(className, "TButton")) return std::make_unique<TButton>(owner);
  if (SameText(className, "TSpeedButton")) return std::make_unique<TSpeedButton>(owner);
  return nullptr;
}

// Ends a modal loop's state however the loop ends.
class TModalScope {
 public:
  explicit TModalScope(bool& modal) : FModal(modal) { FModal = true; }
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;
  ~TModalScope() { FModal = false; }

 private:
  bool& FModal;
};

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetColor(clBtnFace);
  SetVisible(false);
}

stream::TPropertyTable TForm::PublishedProperties() {
  using namespace stream;
  const auto clientSize = [this](std::string_view name, int32_t (TWinControl::*get)(),
                                 void (TWinControl::*set)(int32_t)) {
    return TPropertyInfo{
        name,
        TIntegerProperty{
            &Int32Type, [this, get] { return (this->*get)(); }, [this, set](int32_t v) { (this->*set)(v); }, {}},
        {}};
  };
  return TPropertyTable({
      IntegerProperty("Left", Int32Type, *this, &TControl::Left, &TControl::SetLeft),
      IntegerProperty("Top", Int32Type, *this, &TControl::Top, &TControl::SetTop),
      SetProperty("BorderIcons", BorderIconsType, *this, &TForm::BorderIcons, &TForm::SetBorderIcons,
                  biSystemMenu | biMinimize | biMaximize),
      EnumProperty("BorderStyle", BorderStyleType, *this, &TForm::BorderStyle, &TForm::SetBorderStyle,
                   TFormBorderStyle::bsSizeable),
      StringProperty("Caption", *this, &TForm::Caption, &TForm::SetCaption),
      clientSize("ClientHeight", &TWinControl::ClientHeight, &TWinControl::SetClientHeight),
      clientSize("ClientWidth", &TWinControl::ClientWidth, &TWinControl::SetClientWidth),
      IntegerProperty("Color", ColorType, *this, &TWinControl::Color, &TWinControl::SetColor, clBtnFace),
      ObjectProperty("Font", [this] { return FontProperties(FFont); }),
      EnumProperty("Position", PositionType, *this, &TForm::Position, &TForm::SetPosition, TPosition::poDesigned),
      IntegerProperty("PixelsPerInch", Int32Type, *this, &TForm::PixelsPerInch, &TForm::SetPixelsPerInch),
      IntegerProperty("TextHeight", Int32Type, *this, &TForm::TextHeight, &TForm::SetTextHeight),
  });
}

TComponent* TForm::CreateChild(std::string_view className) {
  std::unique_ptr<TControl> control = NewControl(className, this);
  if (!control) return nullptr;
  TControl& adopted = Adopt(std::move(control));
  adopted.SetParent(this);
  return &adopted;
}

void TForm::SetCaption(const std::string& caption) {
  FCaption = caption;
  if (HandleAllocated()) ::SetWindowTextA(Handle(), caption.c_str());
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | (Visible() ? WS_VISIBLE : 0);
  params.ExStyle = 0;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      params.Style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      params.Style |= WS_OVERLAPPED | WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      params.Style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (FBorderStyle != TFormBorderStyle::bsNone && (FBorderIcons & biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    // A dialog frame has no minimise or maximise box, whatever the icons say.
    if (FBorderStyle != TFormBorderStyle::bsDialog) {
      if (FBorderIcons & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  params.Parent = FPopupOwner;
  params.Caption = FCaption;
}

SIZE TForm::NonClientExtent() {
  TCreateParams params;
  CreateParams(params);
  RECT rc{0, 0, 0, 0};
  ::AdjustWindowRectEx(&rc, params.Style, FALSE, params.ExStyle);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void TForm::Show() {
  if (FPosition == TPosition::poScreenCenter) {
    SetBounds((::GetSystemMetrics(SM_CXSCREEN) - FWidth) / 2, (::GetSystemMetrics(SM_CYSCREEN) - FHeight) / 2, FWidth,
              FHeight);
  }
  HWND wnd = Handle();
  SetVisible(true);
  ::ShowWindow(wnd, SW_SHOWNORMAL);
  ::UpdateWindow(wnd);
}

TModalResult TForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) throw EFrameworkError("Cannot make a visible window modal");
  if (HWND capture = ::GetCapture()) ::SendMessageA(capture, WM_CANCELMODE, 0, 0);
  const HWND previousActive = ::GetActiveWindow();
  // A window made now belongs to the active one, so that it stays above it.
  if (!HandleAllocated()) FPopupOwner = previousActive;
  const TModalScope modal(FModal);
  FModalResult = mrNone;
  try {
    const TDisabledTaskWindows disabled(Handle());
    Show();
    FocusNext(false);
    RunModalLoop();
  } catch (...) {
    Hide();
    throw;
  }
  // The other windows are enabled again before this one hides, so activation can return to them.
  Hide();
  if (previousActive && ::IsWindow(previousActive)) ::SetActiveWindow(previousActive);
  return FModalResult;
}

void TForm::RunModalLoop() {
  MSG msg;
  while (FModalResult == mrNone) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The thread is asked to quit: the box ends, and the request is left for the thread's own loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      FModalResult = mrCancel;
    } else if (got < 0) {
      FModalResult = mrCancel;
    } else if (!DialogKey(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !HandleAllocated()) return false;
  if (msg.hwnd != Handle() && !::IsChild(Handle(), msg.hwnd)) return false;
  TButton* button = nullptr;
  switch (msg.wParam) {
    case VK_RETURN:
      // The focused button answers Enter; otherwise the default button does.
      button = ButtonOf(msg.hwnd);
      if (!button) button = ButtonWhere(&TButton::Default);
      break;
    case VK_ESCAPE:
      button = ButtonWhere(&TButton::Cancel);
      break;
    case VK_TAB:
      FocusNext(::GetKeyState(VK_SHIFT) < 0);
      return true;
    default:
      return false;
  }
  if (!button) return false;
  button->Click();
  return true;
}

TButton* TForm::ButtonOf(HWND wnd) const {
  for (TControl* control : Controls()) {
    auto* button = dynamic_cast<TButton*>(control);
    if (wnd && button && button->HandleAllocated() && button->Handle() == wnd) return button;
  }
  return nullptr;
}

TButton* TForm::ButtonWhere(bool (TButton::*flag)() const) const {
  for (TControl* control : Controls()) {
    auto* button = dynamic_cast<TButton*>(control);
    if (button && (button->*flag)() && button->Visible() && button->Enabled()) return button;
  }
  return nullptr;
}

std::vector<TWinControl*> TForm::TabList() const {
  std::vector<TWinControl*> list;
  for (TControl* control : Controls()) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->TabStop() && windowed->Visible() && windowed->Enabled()) list.push_back(windowed);
  }
  std::ranges::stable_sort(list, {}, &TWinControl::TabOrder);
  return list;
}

void TForm::FocusNext(bool backwards) {
  const std::vector<TWinControl*> list = TabList();
  if (list.empty()) return;
  const HWND focus = ::GetFocus();
  const auto current = std::ranges::find_if(list, [focus](TWinControl* c) { return c->Handle() == focus; });
  size_t next = 0;
  if (current != list.end()) {
    const size_t at = static_cast<size_t>(current - list.begin());
    next = backwards ? (at + list.size() - 1) % list.size() : (at + 1) % list.size();
  } else if (backwards) {
    next = list.size() - 1;
  }
  ::SetFocus(list[next]->Handle());
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    // A form's client area is its own; the frame is the window system's.
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      return DefaultHandler(msg, wParam, lParam);
    case WM_PAINT: {
      TPaintRequest request(Handle());
      if (request.DC()) PaintControls(request.DC());
      return 0;
    }
    case WM_COMMAND:
      // A button of the form tells of a click.
      if (HIWORD(wParam) == BN_CLICKED) {
        if (TButton* button = ButtonOf(reinterpret_cast<HWND>(lParam))) {
          button->Click();
          return 0;
        }
      }
      return DefaultHandler(msg, wParam, lParam);
    case WM_CLOSE:
      // Closing a modal form (its system menu, Alt+F4) ends the modal loop; the form stays for its owner.
      if (FModal) {
        SetModalResult(mrCancel);
        return 0;
      }
      return DefaultHandler(msg, wParam, lParam);
    case WM_DESTROY:
      if (FModal && FModalResult == mrNone) FModalResult = mrCancel;  // no loop may outlive its window
      return DefaultHandler(msg, wParam, lParam);
    default:
      return TWinControl::WndProc(msg, wParam, lParam);
  }
}

TForm* ParentForm(TControl& control) {
  for (TControl* c = &control; c; c = c->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  }
  return nullptr;
}

void ProcessMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace zarnel
