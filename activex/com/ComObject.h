#pragma once
// Reference counting and QueryInterface for the small COM objects of the ActiveX layer (sinks,
// enumerators, relays) that are never aggregated. TDerived lists its interfaces in
// `static std::span<const TInterfaceEntry> Interfaces()`, IUnknown answered by the first.
#include <windows.h>

#include "InterfaceTable.h"

namespace zarnel {

template <typename TDerived, typename... TInterfaces>
class TComObject : public TInterfaces... {
 public:
  TComObject() = default;
  TComObject(const TComObject&) = delete;
  TComObject& operator=(const TComObject&) = delete;
  virtual ~TComObject() = default;

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override {
    return QueryFromTable(static_cast<TDerived*>(this), TDerived::Interfaces(), iid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() noexcept override { return static_cast<ULONG>(::InterlockedIncrement(&FRefCount)); }
  STDMETHODIMP_(ULONG) Release() noexcept override {
    const LONG count = ::InterlockedDecrement(&FRefCount);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
  }

 private:
  LONG FRefCount = 0;
};

}  // namespace zarnel
