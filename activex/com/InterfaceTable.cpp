#include "InterfaceTable.h"

namespace zarnel {

bool TableHasInterface(std::span<const TInterfaceEntry> table, REFIID iid) noexcept {
  for (const TInterfaceEntry& entry : table)
    if (::IsEqualGUID(*entry.Interface, iid)) return true;
  return false;
}

HRESULT QueryFromTable(void* object, std::span<const TInterfaceEntry> table, REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  for (const TInterfaceEntry& entry : table) {
    if (::IsEqualGUID(*entry.Interface, iid) || (::IsEqualGUID(iid, IID_IUnknown) && &entry == &table.front())) {
      auto* unknown = reinterpret_cast<IUnknown*>(static_cast<char*>(object) + entry.Offset);
      unknown->AddRef();
      *ppv = unknown;
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

}  // namespace zarnel
