#include "ContainerFrame.h"

namespace zarnel::test {

STDMETHODIMP TContainerFrame::QueryInterface(REFIID iid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
    *ppv = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP TContainerFrame::GetWindow(HWND* wnd) {
  if (!wnd) return E_POINTER;
  *wnd = FWindow;
  return S_OK;
}

STDMETHODIMP TContainerFrame::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  FCalls.Add(FName + (object ? ".SetActiveObject" : ".SetActiveObject(null)"));
  FActiveObject = object;
  return S_OK;
}

}  // namespace zarnel::test
