#pragma once
// The site a test container gives the object it embeds: IOleClientSite, IOleInPlaceSite in the
// container's window, IOleControlSite and, unless left out, IDispatch answering the ambient back
// colour, fore colour and font. Each call it receives is recorded by name.
#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>
#include <wrl/client.h>

#include <map>

#include "ContainerCalls.h"
#include "ContainerFrame.h"

namespace zarnel::test {

// Which of its interfaces the site answers.
struct TSiteFeatures {
  bool Ambient = true;      // IDispatch
  bool ControlSite = true;  // IOleControlSite
};

class TContainerSite final : public IOleClientSite, public IOleInPlaceSite, public IOleControlSite, public IDispatch {
 public:
  TContainerSite(TSiteFeatures features, HWND window, TContainerFrame& frame, TContainerFrame& document,
                 TContainerCalls& calls);
  TContainerSite(const TContainerSite&) = delete;
  TContainerSite& operator=(const TContainerSite&) = delete;

  LONG References() const { return FReferences.Count(); }
  IOleClientSite* ClientSite() { return this; }

  // The ambient properties the site answers (OLE_COLOR values, an automation font or none).
  OLE_COLOR BackColor = 0x00FFFFFF;
  OLE_COLOR ForeColor = 0x00000000;
  Microsoft::WRL::ComPtr<IFontDisp> Font;
  // How many times each ambient property was read.
  long AmbientReads(DISPID id) const;
  // Where the object goes in the container window's client area, and what of it may show.
  RECT Position{10, 10, 210, 40};
  RECT Clip{0, 0, 400, 200};
  // What ShowPropertyFrame answers.
  HRESULT PropertyFrameResult = S_OK;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override { return FReferences.AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return FReferences.Release(); }

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow and IOleInPlaceSite
  STDMETHODIMP GetWindow(HWND* wnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP CanInPlaceActivate() override;
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override;
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override;
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** control) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL focus) override;
  STDMETHODIMP ShowPropertyFrame() override;

  // IDispatch: the ambient properties, read only, by DISPID.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override;

 private:
  TSiteFeatures FFeatures;
  HWND FWindow;
  TContainerFrame& FFrame;
  TContainerFrame& FDocument;
  TContainerCalls& FCalls;
  TReferenceCount FReferences;
  std::map<DISPID, long> FAmbientReads;
};

}  // namespace zarnel::test
