#pragma once
// QueryInterface from one table per class: each entry names an interface and where the object's
// vtable for it sits. Also answers ISupportErrorInfo's question for the same set.
#include <windows.h>
#include <unknwn.h>

#include <cstddef>
#include <span>

namespace zarnel {

struct TInterfaceEntry {
  const IID* Interface;
  std::ptrdiff_t Offset;  // from the object's start to its I subobject
};

// TPath names the base to go through when I is a base of several of T's interfaces (IOleWindow
// through IOleInPlaceObject, say).
template <typename T, typename I, typename TPath = I>
TInterfaceEntry InterfaceEntry(const IID& iid) {
  // Any suitably aligned non-null address works for computing a base-class offset.
  alignas(T) static char probe[sizeof(T)];
  T* object = reinterpret_cast<T*>(probe);
  I* subobject = static_cast<TPath*>(object);
  return TInterfaceEntry{&iid, reinterpret_cast<char*>(subobject) - reinterpret_cast<char*>(object)};
}

// The interface pointer for iid (AddRef'd), IUnknown giving the first entry; E_NOINTERFACE with
// *ppv cleared otherwise; E_POINTER for a null ppv.
HRESULT QueryFromTable(void* object, std::span<const TInterfaceEntry> table, REFIID iid, void** ppv) noexcept;
bool TableHasInterface(std::span<const TInterfaceEntry> table, REFIID iid) noexcept;

}  // namespace zarnel
