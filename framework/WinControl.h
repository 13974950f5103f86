#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "Brush.h"
#include "Component.h"
#include "ControlSettings.h"
#include "Font.h"
#include "Frame.h"
#include "Handles.h"
#include "Mouse.h"
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
};

// A control with a window of its own: bounds, colour and brush, font, constraints, the bevelled
// frame in the non-client area, pointer input and the resize notification. The window is created
// on first need, as a child of ParentWindow.
class TWinControl : public TComponent {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Published click events; the mouse, resize hooks below are the framework's own slots.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  HWND Handle();  // creates the window when needed
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND parent);

  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void SetLeft(int32_t v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int32_t v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int32_t v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int32_t v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  int32_t ClientWidth();
  int32_t ClientHeight();
  void SetClientWidth(int32_t w) { SetWidth(w + (FWidth - ClientWidth())); }
  void SetClientHeight(int32_t h) { SetHeight(h + (FHeight - ClientHeight())); }
  RECT ClientRect() { return RECT{0, 0, ClientWidth(), ClientHeight()}; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);

  TColor Color() const { return FBrush.Color(); }
  void SetColor(TColor color);
  TBrush& Brush() { return FBrush; }
  TFont& Font() { return FFont; }
  TSizeConstraints& Constraints() { return FConstraints; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  // Alignment, anchors, cursor, hints, font inheritance and help settings, kept as published.
  TControlSettings& Settings() { return FSettings; }
  const TControlSettings& Settings() const { return FSettings; }

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

  void Invalidate();
  void Update();
  void DestroyHandle();

 protected:
  virtual const char* WindowClassName() const = 0;
  virtual void CreateParams(TCreateParams& params);
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
  void AddControlStyle(TControlStyle flags) { FControlStyle |= flags; }

  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
  TNotifyEvent FOnResize;

 private:
  static LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void BoundsChanged(int32_t width, int32_t height);
  void BorderChanged();
  void NonClientCalcSize(LPARAM lParam);
  void NonClientPaint();
  void MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, TShiftState extra);
  void MouseMove(WPARAM wParam, LPARAM lParam);
  void MouseUp(TMouseButton button, WPARAM wParam, LPARAM lParam);
  POINT PointerPosition(LPARAM lParam, bool fromCursor);

  TUniqueWindow FHandle;
  HWND FParentWindow = nullptr;
  int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  bool FClicked = false;
  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TBrush FBrush;
  TFont FFont;
  TSizeConstraints FConstraints;
  TFrameSettings FFrame;
  TControlSettings FSettings;
};

}  // namespace zarnel
