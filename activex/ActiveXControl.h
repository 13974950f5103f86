#pragma once
// The base of an ActiveX control object: one windowed control of the framework, created in the
// thread's parking window and owned for the object's whole life; one identity for all interfaces
// (aggregatable: an inner unknown, and the controlling unknown every interface delegates to);
// IDispatch served from the type library; ISupportErrorInfo; and the guard that turns failures into
// an HRESULT plus error information.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <span>
#include <utility>

#include "ActiveXControlFactory.h"
#include "ComServer.h"
#include "InterfaceTable.h"
#include "OleError.h"
#include "ParkingWindow.h"
#include "SafeCall.h"
#include "WinControl.h"

namespace zarnel {

class TActiveXControlBase : public ISupportErrorInfo {
 public:
  TActiveXControlBase(const TActiveXControlBase&) = delete;
  TActiveXControlBase& operator=(const TActiveXControlBase&) = delete;

  // ISupportErrorInfo: S_OK for every interface the object implements.
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

  // The object's own unknown: its identity, and its reference count.
  IUnknown* InnerUnknown() { return &FInner; }
  // Creates the control and runs the control-initialisation hook; the factory calls it once, right
  // after construction. Raises when the control cannot be created.
  void Initialize();

 protected:
  TActiveXControlBase(TActiveXControlFactory& factory, IUnknown* outer);
  virtual ~TActiveXControlBase();

  // The control-initialisation hook: the control exists and has its window.
  virtual void InitializeControl() = 0;
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
