#pragma once
// The base of an ActiveX control object: one windowed control of the framework, created in the
// thread's parking window and owned for the object's whole life; one identity for all interfaces
// (aggregatable: an inner unknown, and the controlling unknown every interface delegates to);
// IDispatch served from the type library; ISupportErrorInfo; and the guard that turns failures into
// an HRESULT plus error information.
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <oleidl.h>
#include <wrl/client.h>

#include <memory>
#include <span>
#include <utility>

#include "ActiveXControlFactory.h"
#include "ComServer.h"
#include "InterfaceTable.h"
#include "OleError.h"
#include "ParkingWindow.h"
#include "PersistShims.h"
#include "SafeCall.h"
#include "WinControl.h"

namespace zarnel {

class TConnectionPoints;

class TActiveXControlBase : public ISupportErrorInfo,
                            public IOleObject,
                            public IOleInPlaceObject,
                            public IOleInPlaceActiveObject,
                            public IOleControl,
                            public IViewObject2,
                            public IProvideClassInfo2,
                            public ISpecifyPropertyPages,
                            public IConnectionPointContainer,
                            public TPersistStreamInitShim,
                            public IPersistStorage,
                            public TPersistPropertyBagShim {
 public:
  TActiveXControlBase(const TActiveXControlBase&) = delete;
  TActiveXControlBase& operator=(const TActiveXControlBase&) = delete;

  // ISupportErrorInfo: S_OK for every interface the object implements.
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

  // IOleObject (ActiveXOleObject.cpp)
  STDMETHODIMP SetClientSite(IOleClientSite* site) noexcept override;
  STDMETHODIMP GetClientSite(IOleClientSite** site) noexcept override;
  STDMETHODIMP SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) noexcept override;
  STDMETHODIMP Close(DWORD saveOption) noexcept override;
  STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) noexcept override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) noexcept override;
  STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) noexcept override;
  STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) noexcept override;
  STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                      LPCRECT position) noexcept override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) noexcept override;
  STDMETHODIMP Update() noexcept override;
  STDMETHODIMP IsUpToDate() noexcept override;
  STDMETHODIMP GetUserClassID(CLSID* clsid) noexcept override;
  STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) noexcept override;
  STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) noexcept override;
  STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) noexcept override;
  STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) noexcept override;
  STDMETHODIMP Unadvise(DWORD connection) noexcept override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) noexcept override;
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) noexcept override;
  STDMETHODIMP SetColorScheme(LOGPALETTE* palette) noexcept override;

  // IOleWindow, IOleInPlaceObject and IOleInPlaceActiveObject (ActiveXInPlace.cpp)
  STDMETHODIMP GetWindow(HWND* wnd) noexcept override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enter) noexcept override;
  STDMETHODIMP InPlaceDeactivate() noexcept override;
  STDMETHODIMP UIDeactivate() noexcept override;
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) noexcept override;
  STDMETHODIMP ReactivateAndUndo() noexcept override;
  STDMETHODIMP TranslateAccelerator(LPMSG msg) noexcept override;
  STDMETHODIMP OnFrameWindowActivate(BOOL activate) noexcept override;
  STDMETHODIMP OnDocWindowActivate(BOOL activate) noexcept override;
  STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) noexcept override;
  STDMETHODIMP EnableModeless(BOOL enable) noexcept override;

  // IOleControl (ActiveXAmbient.cpp)
  STDMETHODIMP GetControlInfo(CONTROLINFO* info) noexcept override;
  STDMETHODIMP OnMnemonic(MSG* msg) noexcept override;
  STDMETHODIMP OnAmbientPropertyChange(DISPID id) noexcept override;
  STDMETHODIMP FreezeEvents(BOOL freeze) noexcept override;

  // IViewObject2 (ActiveXView.cpp)
  STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDevice, HDC dc,
                    LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* shouldContinue)(ULONG_PTR),
                    ULONG_PTR continueArgument) noexcept override;
  STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDevice,
                           LOGPALETTE** colors) noexcept override;
  STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) noexcept override;
  STDMETHODIMP Unfreeze(DWORD freeze) noexcept override;
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept override;
  STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept override;
  STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) noexcept override;

  // IProvideClassInfo2 and ISpecifyPropertyPages (ActiveXView.cpp)
  STDMETHODIMP GetClassInfo(ITypeInfo** info) noexcept override;
  STDMETHODIMP GetGUID(DWORD kind, GUID* guid) noexcept override;
  STDMETHODIMP GetPages(CAUUID* pages) noexcept override;

  // IConnectionPointContainer (ActiveXConnections.cpp)
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
  STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept override;

  // IPersist for the three persistence interfaces, IPersistStreamInit and IPersistStorage
  // (ActiveXPersistStreams.cpp): the control's published properties as a component stream.
  STDMETHODIMP GetClassID(CLSID* clsid) noexcept override;
  STDMETHODIMP IsDirty() noexcept override;
  STDMETHODIMP Load(IStream* stream) noexcept override;
  STDMETHODIMP Save(IStream* stream, BOOL clearDirty) noexcept override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) noexcept override;
  STDMETHODIMP InitNew(IStorage* storage) noexcept override;
  STDMETHODIMP Load(IStorage* storage) noexcept override;
  STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) noexcept override;
  STDMETHODIMP SaveCompleted(IStorage* storage) noexcept override;
  STDMETHODIMP HandsOffStorage() noexcept override;

  // IPersistPropertyBag (ActiveXPropertyBag.cpp): the automation properties one by one, through
  // the object's own IDispatch.
  STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* errorLog) noexcept override;
  STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAllProperties) noexcept override;

  // The object's own unknown: its identity, and its reference count.
  IUnknown* InnerUnknown() { return &FInner; }
  // Creates the control and runs the control-initialisation hook; the factory calls it once, right
  // after construction. Raises when the control cannot be created.
  void Initialize();

 protected:
  TActiveXControlBase(TActiveXControlFactory& factory, IUnknown* outer);
  virtual ~TActiveXControlBase();

  // The sink-change hook: the events point's sink connected (its relay's events interface) or
  // disconnected (nullptr).
  virtual void EventSinkChanged(IDispatch* sink) = 0;
  // The property-page hook: the control's own property pages (none by default).
  virtual void DefinePropertyPages(CAUUID& pages) { pages = CAUUID{0, nullptr}; }
  // The control-initialisation hook: the control exists and has its window.
  virtual void InitializeControl() = 0;
  // The object's own dispatch interface (its dual interface), whatever an aggregator answers.
  virtual IDispatch* OwnDispatch() = 0;
  // The most derived object and its interface table.
  virtual void* ObjectAddress() = 0;
  virtual std::span<const TInterfaceEntry> InterfaceTable() const = 0;

  IUnknown* ControllingUnknown() const { return FOuter; }
  TWinControl& Control() const { return *FControl; }
  const TActiveXControlFactory& Factory() const { return FFactory; }

  // IDispatch on the dual interface whose vtable starts at dual.
  HRESULT DispatchGetTypeInfo(UINT index, ITypeInfo** info) noexcept;
  HRESULT DispatchGetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) noexcept;
  HRESULT DispatchInvoke(void* dual, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception, UINT* argumentError) noexcept;

  // Runs a member's body: any failure becomes E_UNEXPECTED (or an OLE error's own code) with error
  // information naming the dispatch interface and the ProgID.
  template <typename F>
  HRESULT Guard(F&& body) noexcept {
    return SafeCall(FErrorSource, body);
  }

 private:
  class TInnerUnknown final : public IUnknown {
   public:
    explicit TInnerUnknown(TActiveXControlBase& owner) : FOwner(owner) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
    STDMETHODIMP_(ULONG) AddRef() noexcept override;
    STDMETHODIMP_(ULONG) Release() noexcept override;

   private:
    TActiveXControlBase& FOwner;
    LONG FRefCount = 0;
  };

  // Counts the object in its server from construction to destruction.
  class TObjectCount {
   public:
    explicit TObjectCount(TComServer& server) : FServer(server) { FServer.CountObject(true); }
    ~TObjectCount() { FServer.CountObject(false); }
    TObjectCount(const TObjectCount&) = delete;
    TObjectCount& operator=(const TObjectCount&) = delete;

   private:
    TComServer& FServer;
  };

  TActiveXControlFactory& FFactory;
  TObjectCount FObjectCount;
  TInnerUnknown FInner{*this};
  IUnknown* FOuter;
  TErrorSource FErrorSource;
  // Connection points (ActiveXConnections.cpp): built with the object.
  void CreateConnectionPoints();
  void EventsConnecting(IUnknown* sink, bool connecting);

  // Embedding and in-place state (ActiveXOleObject.cpp, ActiveXInPlace.cpp).
  HRESULT InPlaceActivate(bool uiActivate);
  void RouteWindow(bool on);
  bool HandleWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The container's ambient colour and font into the control (ActiveXAmbient.cpp); failures swallowed.
  void RefreshAmbient() noexcept;

  // Persistence (ActiveXPersistStreams.cpp, ActiveXPropertyBag.cpp).
  HRESULT StreamInitNew() noexcept final;
  HRESULT PropertyBagInitNew() noexcept final;
  bool ReadProperties(IPropertyBag& bag, IErrorLog* errorLog);

 protected:
  // Whether the object has changes a container has not saved; Close saves only then. Saves that
  // are told to, loads, new initialisation and completed saves clear it; nothing sets it.
  bool FDirty = false;

 private:
  Microsoft::WRL::ComPtr<IOleClientSite> FClientSite;
  Microsoft::WRL::ComPtr<IOleControlSite> FControlSite;
  Microsoft::WRL::ComPtr<IOleInPlaceSite> FInPlaceSite;
  Microsoft::WRL::ComPtr<IOleAdviseHolder> FOleAdviseHolder;
  Microsoft::WRL::ComPtr<IAdviseSink> FViewAdviseSink;
  DWORD FViewAdviseAspects = 0;
  DWORD FViewAdviseFlags = 0;
  bool FInPlaceActive = false;
  bool FUIActive = false;
  LONG FEventsFrozen = 0;

  std::unique_ptr<TConnectionPoints> FConnectionPoints;
  // The base's own reference to the connected sink's events interface.
  Microsoft::WRL::ComPtr<IDispatch> FEventSink;

  // The parking window outlives the control created in it.
  TParkingWindow FParkingWindow;
  std::unique_ptr<TWinControl> FControl;
};

// The interfaces' IUnknown and IDispatch entries, for an object class TDerived with the dual
// interface TDual; TDerived lists its interfaces in `static std::span<const TInterfaceEntry> Interfaces()`.
template <typename TDerived, typename TDual>
class TActiveXControl : public TDual, public TActiveXControlBase {
 public:
  // Creates an object for a factory; the factory's creator of the object class.
  static IUnknown* CreateObject(TActiveXControlFactory& factory, IUnknown* outer) {
    auto object = std::make_unique<TDerived>(factory, outer);
    object->Initialize();
    return object.release()->InnerUnknown();
  }

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept final {
    return ControllingUnknown()->QueryInterface(iid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() noexcept final { return ControllingUnknown()->AddRef(); }
  STDMETHODIMP_(ULONG) Release() noexcept final { return ControllingUnknown()->Release(); }

  STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept final {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept final {
    return DispatchGetTypeInfo(index, info);
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept final {
    return DispatchGetIDsOfNames(names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) noexcept final {
    return DispatchInvoke(static_cast<TDual*>(this), id, flags, params, result, exception, argumentError);
  }

 protected:
  TActiveXControl(TActiveXControlFactory& factory, IUnknown* outer) : TActiveXControlBase(factory, outer) {}

  IDispatch* OwnDispatch() final { return static_cast<TDual*>(this); }
  void* ObjectAddress() final { return static_cast<TDerived*>(this); }
  std::span<const TInterfaceEntry> InterfaceTable() const final { return TDerived::Interfaces(); }
};

// An out parameter of a member: raises E_POINTER for a null one.
template <typename T>
T& OutParam(T* value) {
  if (!value) throw EOleSysError("Invalid pointer", E_POINTER);
  return *value;
}

}  // namespace zarnel
