// The control's view for containers that draw it themselves (print previews, design surfaces,
// metafiles), its class information, and its property pages.
#include "ActiveXControl.h"

#include "ControlRendering.h"
#include "CustomControl.h"
#include "Handles.h"

namespace zarnel {
namespace {

constexpr int HimetricPerInch = 2540;

// Pixels to HIMETRIC at the screen's resolution, rounded.
LONG PixelsToHimetric(LONG pixels, int pixelsPerInch) { return ::MulDiv(pixels, HimetricPerInch, pixelsPerInch); }

}  // namespace

STDMETHODIMP TActiveXControlBase::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds,
                                       LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) noexcept {
  return SafeCallNoInfo([&]() -> HRESULT {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!bounds || !dc) return E_INVALIDARG;
    RenderControl(dynamic_cast<TCustomControl&>(Control()), dc,
                  RECT{bounds->left, bounds->top, bounds->right, bounds->bottom});
    return S_OK;
  });
}

STDMETHODIMP TActiveXControlBase::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) noexcept {
  // The control draws in RGB colours: it has no palette to offer.
  if (colors) *colors = nullptr;
  return S_FALSE;
}

STDMETHODIMP TActiveXControlBase::Freeze(DWORD, LONG, void*, DWORD*) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::Unfreeze(DWORD) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
  return SafeCallNoInfo([&] {
    FViewAdviseSink = sink;
    FViewAdviseAspects = sink ? aspects : 0;
    FViewAdviseFlags = sink ? flags : 0;
  });
}

STDMETHODIMP TActiveXControlBase::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
  return SafeCallNoInfo([&] {
    if (aspects) *aspects = FViewAdviseAspects;
    if (flags) *flags = FViewAdviseFlags;
    if (sink) FViewAdviseSink.CopyTo(sink);
  });
}

STDMETHODIMP TActiveXControlBase::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) noexcept {
  return SafeCallNoInfo([&]() -> HRESULT {
    SIZEL& extent = OutParam(size);
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    RECT window;
    ::GetWindowRect(Control().Handle(), &window);
    const TWindowDC screen(nullptr, ::GetDC(nullptr));
    const int dpiX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    extent = SIZEL{PixelsToHimetric(window.right - window.left, dpiX), PixelsToHimetric(window.bottom - window.top, dpiY)};
    return S_OK;
  });
}

STDMETHODIMP TActiveXControlBase::GetClassInfo(ITypeInfo** info) noexcept {
  return SafeCallNoInfo([&] {
    ITypeInfo*& result = OutParam(info);
    result = nullptr;
    return TComServer::Current()->TypeLib()->GetTypeInfoOfGuid(Factory().ClassID(), &result);
  });
}

STDMETHODIMP TActiveXControlBase::GetGUID(DWORD kind, GUID* guid) noexcept {
  return SafeCallNoInfo([&]() -> HRESULT {
    GUID& result = OutParam(guid);
    result = GUID_NULL;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    result = Factory().EventInterface();
    return S_OK;
  });
}

STDMETHODIMP TActiveXControlBase::GetPages(CAUUID* pages) noexcept {
  return SafeCallNoInfo([&] { DefinePropertyPages(OutParam(pages)); });
}

}  // namespace zarnel
