#include "AdapterNotifier.h"

#include "FontAdapter.h"
#include "SafeCall.h"

namespace zarnel {

std::span<const TInterfaceEntry> TAdapterNotifier::Interfaces() {
  static const TInterfaceEntry table[] = {
      InterfaceEntry<TAdapterNotifier, IPropertyNotifySink>(IID_IPropertyNotifySink)};
  return table;
}

HRESULT TAdapterNotifier::OnChanged(DISPID) noexcept {
  return SafeCallNoInfo([this] {
    if (FAdapter) FAdapter->Update();
  });
}

HRESULT TAdapterNotifier::OnRequestEdit(DISPID) noexcept { return S_OK; }

}  // namespace zarnel
