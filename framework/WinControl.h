#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Brush.h"
#include "Control.h"
#include "Frame.h"
#include "Handles.h"
#include "Mouse.h"
#include "PointerRouter.h"
#include "SizeConstraints.h"

namespace zarnel {

enum TControlStyleFlag : uint16_t {
  csCaptureMouse = 1,
  csClickEvents = 2,
  csSetCaption = 4,
  csDoubleClicks = 8,
  csOpaque = 16
};
using TControlStyle = uint16_t;

struct TCreateParams {
  DWORD Style = 0;
  DWORD ExStyle = 0;
  UINT ClassStyle = 0;
  HWND Parent = nullptr;
  // A system window class (such as "BUTTON") whose windows the control takes over; without one the
  // control registers a window class of its own under its class name.
  const char* SystemClass = nullptr;
  std::string Caption;
};

// A control with a window of its own: colour and brush, constraints, the bevelled frame in the
// non-client area, pointer input, the resize notification, and the controls it holds. The window is
// created on first need, as a child of the parent control's window or of ParentWindow.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Published click events; the mouse, resize hooks below are the framework's own slots.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  // Sees every message before the control does (an ActiveX host routes the window through itself);
  // returning true with a result ends the message there.
  std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)> WindowProcHook;

  HWND Handle();  // creates the window when needed
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  // A window that is not one of ours (a container's) to create the window in, when there is no
  // parent control.
  void SetParentWindow(HWND parent);
  void SetParent(TWinControl* parent) override;

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  int32_t ClientWidth();
  int32_t ClientHeight();
  void SetClientWidth(int32_t w) { SetWidth(w + NonClientSize().cx); }
  void SetClientHeight(int32_t h) { SetHeight(h + NonClientSize().cy); }
  RECT ClientRect() { return RECT{0, 0, ClientWidth(), ClientHeight()}; }

  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;

  TColor Color() const { return FBrush.Color(); }
  void SetColor(TColor color);
  TBrush& Brush() { return FBrush; }
  TSizeConstraints& Constraints() { return FConstraints; }
  TControlStyle ControlStyle() const { return FControlStyle; }

  // Where Tab reaches the control among its siblings, and whether it does.
  int32_t TabOrder() const { return FTabOrder; }
  void SetTabOrder(int32_t order) { FTabOrder = order; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }

  // The controls whose parent this is, in the order they were given it.
  const std::vector<TControl*>& Controls() const { return FControls; }
  // Draws the visible graphic controls among them on a paint DC of this window.
  void PaintControls(HDC dc);

  // The frame. Setters do nothing for an unchanged value; a change recomputes the client area.
  TBevelKind BevelKind() const { return FFrame.BevelKind; }
  void SetBevelKind(uint8_t kind);
  TBevelCut BevelInner() const { return FFrame.BevelInner; }
  TBevelCut BevelOuter() const { return FFrame.BevelOuter; }
  void SetBevelCut(int index, uint8_t cut);
  int32_t BorderWidth() const { return FFrame.BorderWidth; }
  void SetBorderWidth(int32_t width);
  bool Ctl3D() const { return FFrame.Ctl3D; }
  void SetCtl3D(bool value) { FFrame.Ctl3D = value; }

  // Whether the window is painted through an off-screen bitmap of the framework's own; storing the
  // flag repaints and recreates nothing.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

  // Where the client area lies in the window (origin at the window's top-left corner), and the
  // window's size.
  struct TWindowLayout {
    SIZE Size;
    RECT Client;
  };
  TWindowLayout WindowLayout();
  // Draws the frame ring around the client area on a DC whose origin is the window's top-left corner,
  // as the non-client area shows it.
  void PaintFrame(HDC dc, const TWindowLayout& layout);

  void Invalidate() override;
  void Update();
  void DestroyHandle();

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Runs once the window exists, for settings only a window can take.
  virtual void HandleCreated() {}
  // Also passes the change on to the controls that use this control's font.
  void FontChanged() override;
  // The width and height the window will add around its client area, before it exists.
  virtual SIZE NonClientExtent();
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
  void AddControlStyle(TControlStyle flags) { FControlStyle |= flags; }
  // Fills the client area with the brush unless the control is opaque: the background erase, on
  // the window's DC or on a paint buffer.
  void EraseBackground(HDC dc);

  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
  TNotifyEvent FOnResize;

 private:
  friend class TControl;  // keeps Controls() current
  void InsertControl(TControl* control) { FControls.push_back(control); }
  void RemoveControl(TControl* control);

  static LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void AttachHandle(HWND wnd);
  // What the window adds around its client area: measured once it exists.
  SIZE NonClientSize();
  void BoundsChanged(int32_t width, int32_t height);
  void BorderChanged();
  void NonClientCalcSize(LPARAM lParam);
  void NonClientPaint();
  void MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, TShiftState extra);
  void MouseMove(WPARAM wParam, LPARAM lParam);
  void MouseUp(TMouseButton button, WPARAM wParam, LPARAM lParam);
  POINT PointerPosition(LPARAM lParam, bool fromCursor);

  TUniqueWindow FHandle;
  // The system class's own window procedure, for a window taken over from a system class.
  WNDPROC FDefWndProc = nullptr;
  HWND FParentWindow = nullptr;
  bool FClicked = false;
  int32_t FTabOrder = 0;
  bool FDoubleBuffered = false;
  bool FTabStop = false;
  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TBrush FBrush;
  TSizeConstraints FConstraints;
  TFrameSettings FFrame;
  std::vector<TControl*> FControls;
  TPointerRouter FPointerRouter;
};

}  // namespace zarnel
