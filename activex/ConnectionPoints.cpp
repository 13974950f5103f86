#include "ConnectionPoints.h"

#include <olectl.h>

#include <algorithm>

#include "ComObject.h"
#include "SafeCall.h"

namespace zarnel {
namespace {

using Microsoft::WRL::ComPtr;

// One enumerated element: the slot's interface AddRef'd, with its cookie for a connection.
void Deliver(IConnectionPoint* point, size_t, IConnectionPoint** element) {
  point->AddRef();
  *element = point;
}

void Deliver(IUnknown* sink, size_t index, CONNECTDATA* element) {
  sink->AddRef();
  *element = CONNECTDATA{sink, static_cast<DWORD>(index + 1)};
}

// An enumerator over a fixed list of slots, some of which may be empty (skipped). Clones share the
// list; each holds a reference to the owner (the object or one of its points) to keep it alive.
template <typename TEnum, typename TItem, typename TElement>
class TSlotEnumerator final : public TComObject<TSlotEnumerator<TEnum, TItem, TElement>, TEnum> {
 public:
  using TSlots = std::vector<ComPtr<TItem>>;

  TSlotEnumerator(ComPtr<IUnknown> owner, std::shared_ptr<const TSlots> slots, size_t position)
      : FOwner(std::move(owner)), FSlots(std::move(slots)), FPosition(position) {}

  static ComPtr<TEnum> Create(ComPtr<IUnknown> owner, std::shared_ptr<const TSlots> slots, size_t position = 0) {
    return ComPtr<TEnum>(new TSlotEnumerator(std::move(owner), std::move(slots), position));
  }

  static std::span<const TInterfaceEntry> Interfaces() {
    static const TInterfaceEntry table[] = {InterfaceEntry<TSlotEnumerator, TEnum>(__uuidof(TEnum))};
    return table;
  }

  STDMETHODIMP Next(ULONG count, TElement* elements, ULONG* fetched) noexcept override {
    if (!elements || (!fetched && count != 1)) return E_POINTER;
    ULONG delivered = 0;
    for (; delivered < count && MoveToOccupied(); ++FPosition, ++delivered)
      Deliver((*FSlots)[FPosition].Get(), FPosition, &elements[delivered]);
    if (fetched) *fetched = delivered;
    return delivered == count ? S_OK : S_FALSE;
  }

  STDMETHODIMP Skip(ULONG count) noexcept override {
    ULONG skipped = 0;
    for (; skipped < count && MoveToOccupied(); ++FPosition) ++skipped;
    return skipped == count ? S_OK : S_FALSE;
  }

  STDMETHODIMP Reset() noexcept override {
    FPosition = 0;
    return S_OK;
  }

  STDMETHODIMP Clone(TEnum** clone) noexcept override {
    if (!clone) return E_POINTER;
    *clone = nullptr;
    return SafeCallNoInfo([&] { *clone = Create(FOwner, FSlots, FPosition).Detach(); });
  }

 private:
  // Moves the position onto the next occupied slot; false when none is left.
  bool MoveToOccupied() {
    while (FPosition < FSlots->size() && !(*FSlots)[FPosition]) ++FPosition;
    return FPosition < FSlots->size();
  }

  ComPtr<IUnknown> FOwner;
  std::shared_ptr<const TSlots> FSlots;
  size_t FPosition;
};

using TPointEnumerator = TSlotEnumerator<IEnumConnectionPoints, IConnectionPoint, IConnectionPoint*>;
using TConnectionEnumerator = TSlotEnumerator<IEnumConnections, IUnknown, CONNECTDATA>;

}  // namespace

TConnectionPoint::TConnectionPoint(IConnectionPointContainer& container, const IID& iid, TConnectionKind kind,
                                   TConnectHook hook)
    : FContainer(container), FInterface(iid), FKind(kind), FConnectHook(std::move(hook)) {}

std::span<const TInterfaceEntry> TConnectionPoint::Interfaces() {
  static const TInterfaceEntry table[] = {InterfaceEntry<TConnectionPoint, IConnectionPoint>(IID_IConnectionPoint)};
  return table;
}

STDMETHODIMP TConnectionPoint::QueryInterface(REFIID iid, void** ppv) noexcept {
  return QueryFromTable(this, Interfaces(), iid, ppv);
}

STDMETHODIMP_(ULONG) TConnectionPoint::AddRef() noexcept { return FContainer.AddRef(); }

STDMETHODIMP_(ULONG) TConnectionPoint::Release() noexcept { return FContainer.Release(); }

STDMETHODIMP TConnectionPoint::GetConnectionInterface(IID* iid) noexcept {
  if (!iid) return E_POINTER;
  *iid = FInterface;
  return S_OK;
}

STDMETHODIMP TConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) noexcept {
  if (!container) return E_POINTER;
  FContainer.AddRef();
  *container = &FContainer;
  return S_OK;
}

STDMETHODIMP TConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) noexcept {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  if (FKind == TConnectionKind::ckSingle && !FSinks.empty() && FSinks.front()) return CONNECT_E_CANNOTCONNECT;
  return SafeCallNoInfo([&] {
    auto slot = std::find_if(FSinks.begin(), FSinks.end(), [](const auto& taken) { return !taken; });
    const size_t index = static_cast<size_t>(slot - FSinks.begin());
    // Room first, so that nothing can fail once the hook has accepted the sink.
    if (slot == FSinks.end()) FSinks.reserve(FSinks.size() + 1);
    if (FConnectHook) FConnectHook(sink, true);
    if (index == FSinks.size())
      FSinks.emplace_back(sink);
    else
      FSinks[index] = sink;
    *cookie = static_cast<DWORD>(index + 1);
  });
}

STDMETHODIMP TConnectionPoint::Unadvise(DWORD cookie) noexcept {
  return SafeCallNoInfo([&]() -> HRESULT {
    const size_t index = static_cast<size_t>(cookie) - 1;  // cookie 0 wraps beyond every slot
    if (cookie == 0 || index >= FSinks.size() || !FSinks[index]) return CONNECT_E_NOCONNECTION;
    if (FConnectHook) FConnectHook(FSinks[index].Get(), false);
    FSinks[index].Reset();
    return S_OK;
  });
}

STDMETHODIMP TConnectionPoint::EnumConnections(IEnumConnections** connections) noexcept {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  return SafeCallNoInfo([&] {
    auto slots = std::make_shared<const TConnectionEnumerator::TSlots>(FSinks);
    *connections = TConnectionEnumerator::Create(ComPtr<IUnknown>(this), std::move(slots)).Detach();
  });
}

TConnectionPoint& TConnectionPoints::CreateConnectionPoint(const IID& iid, TConnectionKind kind, TConnectHook hook) {
  FPoints.push_back(std::make_unique<TConnectionPoint>(FContainer, iid, kind, std::move(hook)));
  return *FPoints.back();
}

HRESULT TConnectionPoints::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  if (!point) return E_POINTER;
  *point = nullptr;
  for (const auto& candidate : FPoints) {
    if (!::IsEqualIID(candidate->Interface(), iid)) continue;
    candidate->AddRef();
    *point = candidate.get();
    return S_OK;
  }
  return CONNECT_E_NOCONNECTION;
}

HRESULT TConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  if (!points) return E_POINTER;
  *points = nullptr;
  return SafeCallNoInfo([&] {
    auto slots = std::make_shared<TPointEnumerator::TSlots>();
    for (const auto& point : FPoints) slots->emplace_back(point.get());
    *points = TPointEnumerator::Create(ComPtr<IUnknown>(&FContainer), std::move(slots)).Detach();
  });
}

}  // namespace zarnel
