#include "Form.h"

namespace zarnel {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetColor(clBtnFace);
  SetVisible(false);
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (Visible() ? WS_VISIBLE : 0);
  params.Parent = nullptr;
}

void TForm::SetCaption(const std::string& caption) {
  FCaption = caption;
  if (HandleAllocated()) ::SetWindowTextA(Handle(), caption.c_str());
}

void TForm::Show() {
  HWND wnd = Handle();
  ::SetWindowTextA(wnd, FCaption.c_str());
  SetVisible(true);
  ::ShowWindow(wnd, SW_SHOWNORMAL);
  ::UpdateWindow(wnd);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A form's client area is its own; the frame is the window system's.
  if (msg == WM_NCCALCSIZE || msg == WM_NCPAINT) return DefaultHandler(msg, wParam, lParam);
  return TWinControl::WndProc(msg, wParam, lParam);
}

void ProcessMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace zarnel
