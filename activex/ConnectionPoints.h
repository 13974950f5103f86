#pragma once
// The connection points of an ActiveX object: the container of them, each point with its sink slots
// and cookies, and their enumerators. A point's IUnknown is its object's: the object owns its points
// and references to a point keep the object alive.
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "InterfaceTable.h"

namespace zarnel {

// Single: one sink at a time. Multi: any number of sinks.
enum class TConnectionKind { ckSingle, ckMulti };

// Called with a sink that is connecting (true) or disconnecting (false); raising refuses the
// connection with the failure's code.
using TConnectHook = std::function<void(IUnknown* sink, bool connecting)>;

class TConnectionPoint final : public IConnectionPoint {
 public:
  TConnectionPoint(IConnectionPointContainer& container, const IID& iid, TConnectionKind kind, TConnectHook hook);
  // Lets go of the sinks still connected without calling the hook: the object is going away.
  ~TConnectionPoint() = default;
  TConnectionPoint(const TConnectionPoint&) = delete;
  TConnectionPoint& operator=(const TConnectionPoint&) = delete;

  // IUnknown: the object's own reference count; QueryInterface answers IUnknown and IConnectionPoint.
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  // IConnectionPoint
  STDMETHODIMP GetConnectionInterface(IID* iid) noexcept override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) noexcept override;
  // A sink's cookie is its slot's index + 1; emptied slots are reused, the first empty one first.
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) noexcept override;
  STDMETHODIMP Unadvise(DWORD cookie) noexcept override;
  // Enumerates the slots as they are now, with references of its own.
  STDMETHODIMP EnumConnections(IEnumConnections** connections) noexcept override;

  const IID& Interface() const { return FInterface; }

  static std::span<const TInterfaceEntry> Interfaces();

 private:
  IConnectionPointContainer& FContainer;
  IID FInterface;
  TConnectionKind FKind;
  TConnectHook FConnectHook;
  std::vector<Microsoft::WRL::ComPtr<IUnknown>> FSinks;
};

// The points of one object, in the order they were created.
class TConnectionPoints {
 public:
  explicit TConnectionPoints(IConnectionPointContainer& container) : FContainer(container) {}
  TConnectionPoint& CreateConnectionPoint(const IID& iid, TConnectionKind kind, TConnectHook hook = {});

  // IConnectionPointContainer's two members.
  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept;
  HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) noexcept;

 private:
  IConnectionPointContainer& FContainer;
  std::vector<std::unique_ptr<TConnectionPoint>> FPoints;
};

}  // namespace zarnel
