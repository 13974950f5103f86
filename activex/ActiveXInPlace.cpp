// In-place activation: the control window moves from the parking window into the container's window
// and back, takes the position and clipping the container gives it, and becomes the UI-active object
// when the container asks or the user clicks it (inside-out activation).
#include "ActiveXControl.h"

namespace zarnel {
namespace {

using Microsoft::WRL::ComPtr;

// What the container's site says about where the object lives; the frame information holds nothing
// of the container's that needs letting go.
struct TWindowContext {
  ComPtr<IOleInPlaceFrame> Frame;
  ComPtr<IOleInPlaceUIWindow> Document;
  RECT Position{};
  RECT Clip{};
};

TWindowContext WindowContext(IOleInPlaceSite& site) {
  TWindowContext context;
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof frameInfo;
  const HRESULT hr = site.GetWindowContext(&context.Frame, &context.Document, &context.Position, &context.Clip,
                                           &frameInfo);
  if (FAILED(hr)) throw EOleSysError("The container gives no window context", hr);
  return context;
}

// Calls SetActiveObject on the frame and, when it has one apart from the frame, the document window.
void SetActiveObject(const TWindowContext& context, IOleInPlaceActiveObject* object) {
  if (context.Frame) context.Frame->SetActiveObject(object, nullptr);
  if (context.Document) context.Document->SetActiveObject(object, nullptr);
}

}  // namespace

HRESULT TActiveXControlBase::InPlaceActivate(bool uiActivate) {
  if (!FClientSite) return E_UNEXPECTED;
  if (!FInPlaceActive) {
    ComPtr<IOleInPlaceSite> site;
    if (FAILED(FClientSite.As(&site))) return E_NOINTERFACE;
    if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
    const HRESULT hr = site->OnInPlaceActivate();
    if (FAILED(hr)) return hr;
    FInPlaceSite = site;
    FInPlaceActive = true;
    // From here a failure takes the object back out of the container's window.
    try {
      HWND container = nullptr;
      if (FAILED(site->GetWindow(&container)) || !::IsWindow(container))
        throw EOleSysError("The container has no window", E_FAIL);
      const TWindowContext context = WindowContext(*site.Get());
      Control().SetParentWindow(container);
      RouteWindow(true);
      SetObjectRects(&context.Position, &context.Clip);
      if (Control().Visible()) ::ShowWindow(Control().Handle(), SW_SHOWNA);
    } catch (...) {
      InPlaceDeactivate();
      throw;
    }
  }
  if (uiActivate && !FUIActive) {
    // Set first: the focus change below comes back through HandleWindowMessage.
    FUIActive = true;
    FInPlaceSite->OnUIActivate();
    SetActiveObject(WindowContext(*FInPlaceSite.Get()), this);
    ::SetFocus(Control().Handle());
  }
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::InPlaceDeactivate() noexcept {
  if (!FInPlaceActive) return S_OK;
  return SafeCallNoInfo([&] {
    UIDeactivate();
    FInPlaceActive = false;
    RouteWindow(false);
    // The container may have destroyed the window along with its own; the object then makes a new
    // one in the parking window when it next needs one.
    TWinControl& control = Control();
    if (control.HandleAllocated()) {
      ::ShowWindow(control.Handle(), SW_HIDE);
      ::SetWindowRgn(control.Handle(), nullptr, FALSE);
    }
    control.SetParentWindow(FParkingWindow.Handle());
    const ComPtr<IOleInPlaceSite> site = std::move(FInPlaceSite);
    site->OnInPlaceDeactivate();
  });
}

STDMETHODIMP TActiveXControlBase::UIDeactivate() noexcept {
  if (!FUIActive) return S_OK;
  return SafeCallNoInfo([&] {
    FUIActive = false;
    SetActiveObject(WindowContext(*FInPlaceSite.Get()), nullptr);
    FInPlaceSite->OnUIDeactivate(FALSE);
  });
}

STDMETHODIMP TActiveXControlBase::GetWindow(HWND* wnd) noexcept {
  if (!wnd) return E_POINTER;
  *wnd = nullptr;
  return SafeCallNoInfo([&] { *wnd = Control().Handle(); });
}

STDMETHODIMP TActiveXControlBase::ContextSensitiveHelp(BOOL) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::SetObjectRects(LPCRECT position, LPCRECT clip) noexcept {
  if (!position) return E_POINTER;
  return SafeCallNoInfo([&] {
    TWinControl& control = Control();
    control.SetBounds(position->left, position->top, position->right - position->left,
                      position->bottom - position->top);
    // The part of the window outside the clip rectangle is not shown: a region in window coordinates.
    RECT visible = *position;
    if (clip) ::IntersectRect(&visible, position, clip);
    HRGN region = nullptr;
    if (!::EqualRect(&visible, position)) {
      ::OffsetRect(&visible, -position->left, -position->top);
      region = ::CreateRectRgnIndirect(&visible);
    }
    // The window owns the region from here on.
    ::SetWindowRgn(control.Handle(), region, TRUE);
  });
}

STDMETHODIMP TActiveXControlBase::ReactivateAndUndo() noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::TranslateAccelerator(LPMSG) noexcept { return S_FALSE; }

STDMETHODIMP TActiveXControlBase::OnFrameWindowActivate(BOOL) noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::OnDocWindowActivate(BOOL) noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::EnableModeless(BOOL) noexcept { return S_OK; }

void TActiveXControlBase::RouteWindow(bool on) {
  if (!FControl) return;
  if (on)
    FControl->WindowProcHook = [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
      return HandleWindowMessage(msg, wParam, lParam, result);
    };
  else
    FControl->WindowProcHook = nullptr;
}

bool TActiveXControlBase::HandleWindowMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
  // Inside-out: a click on (or the focus reaching) an in-place active control makes it UI active;
  // the control's own procedure still handles the message.
  if ((msg == WM_MOUSEACTIVATE || msg == WM_SETFOCUS) && FInPlaceActive && !FUIActive)
    SafeCallNoInfo([&] { return InPlaceActivate(true); });
  return false;
}

}  // namespace zarnel
