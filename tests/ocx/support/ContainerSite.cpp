#include "ContainerSite.h"

#include <olectl.h>

#include <string>

namespace zarnel::test {

TContainerSite::TContainerSite(TSiteFeatures features, HWND window, TContainerFrame& frame,
                               TContainerFrame& document, TContainerCalls& calls)
    : FFeatures(features), FWindow(window), FFrame(frame), FDocument(document), FCalls(calls) {}

long TContainerSite::AmbientReads(DISPID id) const {
  const auto found = FAmbientReads.find(id);
  return found == FAmbientReads.end() ? 0 : found->second;
}

STDMETHODIMP TContainerSite::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite)
    *ppv = static_cast<IOleClientSite*>(this);
  else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
    *ppv = static_cast<IOleInPlaceSite*>(this);
  else if (iid == IID_IOleControlSite && FFeatures.ControlSite)
    *ppv = static_cast<IOleControlSite*>(this);
  else if (iid == IID_IDispatch && FFeatures.Ambient)
    *ppv = static_cast<IDispatch*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP TContainerSite::SaveObject() {
  FCalls.Add("SaveObject");
  return S_OK;
}

STDMETHODIMP TContainerSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TContainerSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TContainerSite::ShowObject() {
  FCalls.Add("ShowObject");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnShowWindow(BOOL show) {
  FCalls.Add(show ? "OnShowWindow(TRUE)" : "OnShowWindow(FALSE)");
  return S_OK;
}

STDMETHODIMP TContainerSite::GetWindow(HWND* wnd) {
  FCalls.Add("GetWindow");
  if (!wnd) return E_POINTER;
  *wnd = FWindow;
  return S_OK;
}

STDMETHODIMP TContainerSite::CanInPlaceActivate() {
  FCalls.Add("CanInPlaceActivate");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnInPlaceActivate() {
  FCalls.Add("OnInPlaceActivate");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnUIActivate() {
  FCalls.Add("OnUIActivate");
  return S_OK;
}

STDMETHODIMP TContainerSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                              LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  FCalls.Add("GetWindowContext");
  if (!frame || !document || !position || !clip || !info) return E_POINTER;
  *frame = &FFrame;
  FFrame.AddRef();
  *document = &FDocument;
  FDocument.AddRef();
  *position = Position;
  *clip = Clip;
  info->fMDIApp = FALSE;
  info->hwndFrame = FWindow;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP TContainerSite::OnUIDeactivate(BOOL) {
  FCalls.Add("OnUIDeactivate");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnInPlaceDeactivate() {
  FCalls.Add("OnInPlaceDeactivate");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnPosRectChange(LPCRECT) {
  FCalls.Add("OnPosRectChange");
  return S_OK;
}

STDMETHODIMP TContainerSite::OnControlInfoChanged() {
  FCalls.Add("OnControlInfoChanged");
  return S_OK;
}

STDMETHODIMP TContainerSite::GetExtendedControl(IDispatch** control) {
  if (control) *control = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TContainerSite::OnFocus(BOOL focus) {
  FCalls.Add(focus ? "OnFocus(TRUE)" : "OnFocus(FALSE)");
  return S_OK;
}

STDMETHODIMP TContainerSite::ShowPropertyFrame() {
  FCalls.Add("ShowPropertyFrame");
  return PropertyFrameResult;
}

STDMETHODIMP TContainerSite::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP TContainerSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TContainerSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO*, UINT*) {
  if (!(flags & DISPATCH_PROPERTYGET) || !params || params->cArgs != 0) return DISP_E_MEMBERNOTFOUND;
  if (!result) return E_POINTER;
  FCalls.Add("Ambient " + std::to_string(id));
  ++FAmbientReads[id];
  ::VariantInit(result);
  switch (id) {
    case DISPID_AMBIENT_BACKCOLOR:
    case DISPID_AMBIENT_FORECOLOR:
      result->vt = VT_I4;
      result->lVal = static_cast<LONG>(id == DISPID_AMBIENT_BACKCOLOR ? BackColor : ForeColor);
      return S_OK;
    case DISPID_AMBIENT_FONT:
      if (!Font) return DISP_E_MEMBERNOTFOUND;
      result->vt = VT_DISPATCH;
      result->pdispVal = Font.Get();
      result->pdispVal->AddRef();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace zarnel::test
