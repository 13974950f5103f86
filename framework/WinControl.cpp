#include "WinControl.h"

#include <algorithm>
#include <utility>

#include "FrameworkError.h"
#include "GraphicControl.h"
#include "WindowClass.h"

namespace zarnel {
namespace {

TShiftState ShiftFromKeys(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (::GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

void RequireBevelValue(uint8_t value) {
  // Only 0..3 exist; anything else would index past the edge style tables.
  if (value > MaxBevelValue) throw EFrameworkError("Invalid property value");
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { FBrush.SetColor(clWindow); }

TWinControl::~TWinControl() {
  // The controls it owns go while its window still exists; any others it holds are let go.
  DestroyComponents();
  for (TControl* control : std::vector<TControl*>(FControls)) control->SetParent(nullptr);
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle.get();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (FVisible) params.Style |= WS_VISIBLE;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.ClassStyle = CS_HREDRAW | CS_VREDRAW;
  if (FControlStyle & csDoubleClicks) params.ClassStyle |= CS_DBLCLKS;
  params.Parent = Parent() ? Parent()->Handle() : FParentWindow;
}

void TWinControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.Parent)
    throw EFrameworkError(FormatText("Control '%s' has no parent window", {Name()}));
  if (params.SystemClass) {
    // The system class's window procedure stays in charge; ours sees each message first.
    HWND wnd = ::CreateWindowExA(params.ExStyle, params.SystemClass, params.Caption.c_str(), params.Style, FLeft, FTop,
                                 FWidth, FHeight, params.Parent, nullptr, ModuleInstance(), nullptr);
    if (!wnd) throw EFrameworkError("Error creating window");
    AttachHandle(wnd);
    FDefWndProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
  } else {
    const std::string className(ClassName());
    EnsureWindowClass(className.c_str(), params.ClassStyle, &StdWndProc);
    if (!::CreateWindowExA(params.ExStyle, className.c_str(), params.Caption.c_str(), params.Style, FLeft, FTop, FWidth,
                           FHeight, params.Parent, nullptr, ModuleInstance(), this))
      throw EFrameworkError("Error creating window");
  }
  // The windowed controls it holds get their windows with it.
  for (TControl* control : FControls) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->Handle();
  }
  HandleCreated();
}

void TWinControl::AttachHandle(HWND wnd) {
  ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  FHandle.reset(wnd);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  // Detach first, so that no message of the dying window reaches a half-destroyed object.
  HWND wnd = FHandle.release();
  if (FDefWndProc)
    ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(FDefWndProc, nullptr)));
  ::SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
  ::DestroyWindow(wnd);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->AttachHandle(wnd);
  } else {
    self = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // Destroyed from outside (with its parent, say): the object lets go of the window.
    ::SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    self->FHandle.release();
    if (WNDPROC def = std::exchange(self->FDefWndProc, nullptr)) {
      ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(def));
      return ::CallWindowProcA(def, wnd, msg, wParam, lParam);
    }
    return ::DefWindowProcA(wnd, msg, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (self->WindowProcHook && self->WindowProcHook(msg, wParam, lParam, result)) return result;
    return self->WndProc(msg, wParam, lParam);
  } catch (const std::exception& e) {
    // An error must never unwind through the window system's frames; the message ends here.
    ::OutputDebugStringA(e.what());
  } catch (...) {
    ::OutputDebugStringA("unknown error in window procedure");
  }
  return 0;
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (FDefWndProc) return ::CallWindowProcA(FDefWndProc, FHandle.get(), msg, wParam, lParam);
  return ::DefWindowProcA(FHandle.get(), msg, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE || msg == WM_CAPTURECHANGED) {
    if (!FControls.empty() && FPointerRouter.Route(FHandle.get(), FControls, msg, lParam)) return 0;
  }
  switch (msg) {
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_SIZE: {
      RECT rw;
      ::GetWindowRect(FHandle.get(), &rw);
      BoundsChanged(rw.right - rw.left, rw.bottom - rw.top);
      return 0;
    }
    case WM_MOVE: {
      // A child's position is in its parent's client area; a top-level window's on the screen.
      RECT rw;
      ::GetWindowRect(FHandle.get(), &rw);
      const bool child = (::GetWindowLongA(FHandle.get(), GWL_STYLE) & WS_CHILD) != 0;
      ::MapWindowPoints(nullptr, child ? ::GetParent(FHandle.get()) : nullptr, reinterpret_cast<POINT*>(&rw), 2);
      FLeft = rw.left;
      FTop = rw.top;
      return 0;
    }
    case WM_NCCALCSIZE:
      NonClientCalcSize(lParam);
      return 0;
    case WM_NCPAINT:
      NonClientPaint();
      return DefaultHandler(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
      if (FControlStyle & csCaptureMouse) ::SetCapture(FHandle.get());
      if (FControlStyle & csClickEvents) FClicked = true;
      MouseDown(mbLeft, wParam, lParam, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (FControlStyle & csCaptureMouse) ::SetCapture(FHandle.get());
      if ((FControlStyle & csClickEvents) && OnDblClick) OnDblClick(this);
      MouseDown(mbLeft, wParam, lParam, ssDouble);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(mbRight, wParam, lParam, msg == WM_RBUTTONDBLCLK ? ssDouble : 0);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(mbMiddle, wParam, lParam, msg == WM_MBUTTONDBLCLK ? ssDouble : 0);
      return 0;
    case WM_LBUTTONUP: {
      if ((FControlStyle & csCaptureMouse) && ::GetCapture() == FHandle.get()) ::ReleaseCapture();
      if (FClicked) {
        FClicked = false;
        const POINT pt = PointerPosition(lParam, false);
        const RECT rc = ClientRect();
        if (::PtInRect(&rc, pt) && OnClick) OnClick(this);
      }
      MouseUp(mbLeft, wParam, lParam);
      return 0;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(wParam, lParam);
      return 0;
    default:
      return DefaultHandler(msg, wParam, lParam);
  }
}

void TWinControl::EraseBackground(HDC dc) {
  if (FControlStyle & csOpaque) return;
  const RECT rc = ClientRect();
  ::FillRect(dc, &rc, FBrush.Handle());
}

POINT TWinControl::PointerPosition(LPARAM lParam, bool fromCursor) {
  // Message coordinates are 16-bit; a control larger than that can only ask the cursor.
  if (fromCursor && (FWidth > 32768 || FHeight > 32768)) {
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(FHandle.get(), &pt);
    return pt;
  }
  return POINT{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

void TWinControl::MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, TShiftState extra) {
  const POINT pt = PointerPosition(lParam, true);
  if (FOnMouseDown) FOnMouseDown(this, button, ShiftFromKeys(wParam) | extra, pt.x, pt.y);
}

void TWinControl::MouseMove(WPARAM wParam, LPARAM lParam) {
  const POINT pt = PointerPosition(lParam, true);
  if (FOnMouseMove) FOnMouseMove(this, ShiftFromKeys(wParam), pt.x, pt.y);
}

void TWinControl::MouseUp(TMouseButton button, WPARAM wParam, LPARAM lParam) {
  const POINT pt = PointerPosition(lParam, false);
  if (FOnMouseUp) FOnMouseUp(this, button, ShiftFromKeys(wParam), pt.x, pt.y);
}

void TWinControl::SetParentWindow(HWND parent) {
  FParentWindow = parent;
  if (FHandle) ::SetParent(FHandle.get(), parent);
}

void TWinControl::SetParent(TWinControl* parent) {
  TControl::SetParent(parent);
  if (FHandle) ::SetParent(FHandle.get(), parent ? parent->Handle() : FParentWindow);
}

void TWinControl::RemoveControl(TControl* control) {
  std::erase(FControls, control);
  FPointerRouter.Forget(control);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : FControls) {
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    const RECT area = control->BoundsRect();
    if (graphic && graphic->Visible() && ::RectVisible(dc, &area)) graphic->PaintOn(dc);
  }
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* control : FControls) control->ParentFontChanged();
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  width = FConstraints.ConstrainWidth(width);
  height = FConstraints.ConstrainHeight(height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle) {
    // The window answers with WM_SIZE, which raises the resize notification.
    ::SetWindowPos(FHandle.get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (resized) {
    BoundsChanged(width, height);
  }
}

void TWinControl::BoundsChanged(int32_t width, int32_t height) {
  FWidth = width;
  FHeight = height;
  if (FOnResize && !IsLoading()) FOnResize(this);
}

int32_t TWinControl::ClientWidth() {
  if (FHandle) {
    RECT rc;
    ::GetClientRect(FHandle.get(), &rc);
    return rc.right;
  }
  return std::max<int32_t>(0, FWidth - NonClientExtent().cx);
}

int32_t TWinControl::ClientHeight() {
  if (FHandle) {
    RECT rc;
    ::GetClientRect(FHandle.get(), &rc);
    return rc.bottom;
  }
  return std::max<int32_t>(0, FHeight - NonClientExtent().cy);
}

SIZE TWinControl::NonClientSize() {
  if (!FHandle) return NonClientExtent();
  RECT rw, rc;
  ::GetWindowRect(FHandle.get(), &rw);
  ::GetClientRect(FHandle.get(), &rc);
  return SIZE{(rw.right - rw.left) - rc.right, (rw.bottom - rw.top) - rc.bottom};
}

SIZE TWinControl::NonClientExtent() {
  // A border from a stream can be as wide as an int holds; twice that still has to be a size.
  const LONG frame = static_cast<LONG>(std::min<int64_t>(2 * static_cast<int64_t>(FFrame.Thickness()), INT32_MAX));
  return SIZE{frame, frame};
}

void TWinControl::SetVisible(bool v) {
  FVisible = v;
  if (FHandle) ::ShowWindow(FHandle.get(), v ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool v) {
  FEnabled = v;
  if (FHandle) ::EnableWindow(FHandle.get(), v);
}

void TWinControl::SetColor(TColor color) {
  FBrush.SetColor(color);
  Invalidate();
}

void TWinControl::Invalidate() {
  if (FHandle) ::InvalidateRect(FHandle.get(), nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
  if (FHandle) ::UpdateWindow(FHandle.get());
}

void TWinControl::SetBevelKind(uint8_t kind) {
  RequireBevelValue(kind);
  if (kind == FFrame.BevelKind) return;
  FFrame.BevelKind = static_cast<TBevelKind>(kind);
  BorderChanged();
}

void TWinControl::SetBevelCut(int index, uint8_t cut) {
  RequireBevelValue(cut);
  TBevelCut* target = index == BevelInnerIndex   ? &FFrame.BevelInner
                      : index == BevelOuterIndex ? &FFrame.BevelOuter
                                                 : nullptr;
  if (!target || *target == cut) return;
  *target = static_cast<TBevelCut>(cut);
  BorderChanged();
}

void TWinControl::SetBorderWidth(int32_t width) {
  // A negative strip has no meaning in the frame; refuse it rather than invert the client area.
  if (width < 0) throw EFrameworkError("Invalid property value");
  if (width == FFrame.BorderWidth) return;
  FFrame.BorderWidth = width;
  BorderChanged();
}

void TWinControl::BorderChanged() {
  if (!FHandle) return;  // the frame takes effect when the window is created
  ::SetWindowPos(FHandle.get(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (FVisible) Invalidate();
}

void TWinControl::NonClientCalcSize(LPARAM lParam) {
  // Both forms of the message carry the proposed client rectangle first.
  RECT& rc = *reinterpret_cast<RECT*>(lParam);
  DefaultHandler(WM_NCCALCSIZE, FALSE, lParam);
  const int32_t t = FFrame.Thickness();
  rc.left += t;
  rc.top += t;
  rc.right = std::max(rc.left, rc.right - t);
  rc.bottom = std::max(rc.top, rc.bottom - t);
}

void TWinControl::NonClientPaint() {
  if (!FFrame.HasFrame()) return;
  HWND wnd = FHandle.get();
  TWindowDC dc(wnd, ::GetWindowDC(wnd));
  if (!dc) return;
  PaintFrame(dc.get(), WindowLayout());
}

TWinControl::TWindowLayout TWinControl::WindowLayout() {
  HWND wnd = Handle();
  RECT window;
  ::GetWindowRect(wnd, &window);
  RECT client;
  ::GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ::ClientToScreen(wnd, &origin);
  ::OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  return TWindowLayout{SIZE{window.right - window.left, window.bottom - window.top}, client};
}

void TWinControl::PaintFrame(HDC dc, const TWindowLayout& layout) {
  if (!FFrame.HasFrame()) return;
  const TSavedDC saved(dc);
  const RECT& client = layout.Client;
  ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  // The bevel edge outermost, the border strip inside it in the control's brush.
  RECT ring = client;
  ::InflateRect(&ring, FFrame.BorderWidth, FFrame.BorderWidth);
  if (FFrame.BevelKind != bkNone) {
    ::InflateRect(&ring, FFrame.BevelSize(), FFrame.BevelSize());
    ::DrawEdge(dc, &ring, FFrame.EdgeStyle(), FFrame.EdgeFlags());
  }
  ::IntersectClipRect(dc, ring.left, ring.top, ring.right, ring.bottom);
  const RECT whole{0, 0, layout.Size.cx, layout.Size.cy};
  ::FillRect(dc, &whole, FBrush.Handle());
}

}  // namespace zarnel
