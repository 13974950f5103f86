// IOleObject: the object's life inside a container: its client site, closing, verbs, the extent in
// HIMETRIC, advise sinks and the registered misc status.
#include "ActiveXControl.h"

#include <olectl.h>

#include <cwchar>

namespace zarnel {
namespace {

constexpr int HimetricPerInch = 2540;

// Dots per inch of the screen along LOGPIXELSX or LOGPIXELSY.
int ScreenPixelsPerInch(int axis) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, axis);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

// MulDiv rounds to the nearest whole unit.
LONG HimetricToPixels(LONG himetric, int dpi) { return ::MulDiv(himetric, dpi, HimetricPerInch); }
LONG PixelsToHimetric(LONG pixels, int dpi) { return ::MulDiv(pixels, HimetricPerInch, dpi); }

// A task-memory copy of text, for out parameters the caller frees with CoTaskMemFree.
LPOLESTR TaskMemCopy(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
  if (!copy) throw EOleSysError("Out of memory", E_OUTOFMEMORY);
  std::wmemcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

// The object's advise holder, made on first need.
IOleAdviseHolder& AdviseHolder(Microsoft::WRL::ComPtr<IOleAdviseHolder>& holder) {
  if (!holder) {
    const HRESULT hr = ::CreateOleAdviseHolder(&holder);
    if (FAILED(hr)) throw EOleSysError("Cannot create an advise holder", hr);
  }
  return *holder.Get();
}

}  // namespace

STDMETHODIMP TActiveXControlBase::SetClientSite(IOleClientSite* site) noexcept {
  return SafeCallNoInfo([&] {
    // A container that lets go of its site while the control is still in its window gets it back first.
    if (!site && FInPlaceActive) InPlaceDeactivate();
    FControlSite.Reset();
    FClientSite = site;
    if (!site) return;
    site->QueryInterface(IID_PPV_ARGS(&FControlSite));
    RefreshAmbient();
  });
}

STDMETHODIMP TActiveXControlBase::GetClientSite(IOleClientSite** site) noexcept {
  if (!site) return E_POINTER;
  *site = FClientSite.Get();
  if (*site) (*site)->AddRef();
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::Close(DWORD saveOption) noexcept {
  return SafeCallNoInfo([&] {
    if (FInPlaceActive) InPlaceDeactivate();
    if (saveOption != OLECLOSE_NOSAVE && FDirty && FClientSite) FClientSite->SaveObject();
    if (FOleAdviseHolder) FOleAdviseHolder->SendOnClose();
  });
}

STDMETHODIMP TActiveXControlBase::SetMoniker(DWORD, IMoniker*) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) noexcept {
  if (!moniker) return E_POINTER;
  *moniker = nullptr;
  if (!FClientSite) return E_NOTIMPL;
  return FClientSite->GetMoniker(assign, which, moniker);
}

STDMETHODIMP TActiveXControlBase::InitFromData(IDataObject*, BOOL, DWORD) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::GetClipboardData(DWORD, IDataObject** data) noexcept {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TActiveXControlBase::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) noexcept {
  return SafeCallNoInfo([&]() -> HRESULT {
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_PROPERTIES:
        // The primary verb is Properties: the container's frame, else nothing (no pages of our own).
        if (FControlSite) FControlSite->ShowPropertyFrame();
        return S_OK;
      case OLEIVERB_SHOW:
      case OLEIVERB_UIACTIVATE:
        return InPlaceActivate(true);
      case OLEIVERB_INPLACEACTIVATE:
        return InPlaceActivate(false);
      case OLEIVERB_HIDE:
        UIDeactivate();
        if (Control().HandleAllocated()) ::ShowWindow(Control().Handle(), SW_HIDE);
        return S_OK;
      default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
  });
}

STDMETHODIMP TActiveXControlBase::EnumVerbs(IEnumOLEVERB** verbs) noexcept {
  if (!verbs) return E_POINTER;
  *verbs = nullptr;
  // The verbs are the registered ones; an unregistered class has none to offer.
  return SUCCEEDED(::OleRegEnumVerbs(FFactory.ClassID(), verbs)) ? S_OK : E_NOTIMPL;
}

STDMETHODIMP TActiveXControlBase::Update() noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::IsUpToDate() noexcept { return S_OK; }

STDMETHODIMP TActiveXControlBase::GetUserClassID(CLSID* clsid) noexcept {
  if (!clsid) return E_POINTER;
  *clsid = FFactory.ClassID();
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::GetUserType(DWORD form, LPOLESTR* userType) noexcept {
  if (!userType) return E_POINTER;
  *userType = nullptr;
  return SafeCallNoInfo([&] {
    if (SUCCEEDED(::OleRegGetUserType(FFactory.ClassID(), form, userType)) && *userType) return;
    *userType = TaskMemCopy(FFactory.Description());
  });
}

STDMETHODIMP TActiveXControlBase::SetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  return SafeCallNoInfo([&] {
    TWinControl& control = Control();
    control.SetBounds(control.Left(), control.Top(), HimetricToPixels(size->cx, ScreenPixelsPerInch(LOGPIXELSX)),
                      HimetricToPixels(size->cy, ScreenPixelsPerInch(LOGPIXELSY)));
  });
}

STDMETHODIMP TActiveXControlBase::GetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  size->cx = PixelsToHimetric(Control().Width(), ScreenPixelsPerInch(LOGPIXELSX));
  size->cy = PixelsToHimetric(Control().Height(), ScreenPixelsPerInch(LOGPIXELSY));
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::Advise(IAdviseSink* sink, DWORD* connection) noexcept {
  return SafeCallNoInfo([&] { return AdviseHolder(FOleAdviseHolder).Advise(sink, connection); });
}

STDMETHODIMP TActiveXControlBase::Unadvise(DWORD connection) noexcept {
  return SafeCallNoInfo([&] { return AdviseHolder(FOleAdviseHolder).Unadvise(connection); });
}

STDMETHODIMP TActiveXControlBase::EnumAdvise(IEnumSTATDATA** advise) noexcept {
  return SafeCallNoInfo([&] { return AdviseHolder(FOleAdviseHolder).EnumAdvise(advise); });
}

STDMETHODIMP TActiveXControlBase::GetMiscStatus(DWORD aspect, DWORD* status) noexcept {
  if (!status) return E_POINTER;
  *status = 0;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *status = FFactory.MiscStatus();
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::SetColorScheme(LOGPALETTE*) noexcept { return E_NOTIMPL; }

}  // namespace zarnel
