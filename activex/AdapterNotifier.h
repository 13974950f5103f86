#pragma once
// The font adapter's sink on its automation font's property notifications. It refers to the adapter
// without keeping it alive: the adapter detaches it when it goes, and later notifications are ignored.
#include <ocidl.h>

#include <span>

#include "ComObject.h"

namespace zarnel {

class TFontAdapter;

class TAdapterNotifier final : public TComObject<TAdapterNotifier, IPropertyNotifySink> {
 public:
  explicit TAdapterNotifier(TFontAdapter& adapter) : FAdapter(&adapter) {}
  static std::span<const TInterfaceEntry> Interfaces();

  void Detach() noexcept { FAdapter = nullptr; }

  // A property of the automation font changed: the adapter takes the font over into the control's.
  STDMETHODIMP OnChanged(DISPID dispID) noexcept override;
  // The adapter lets every property be edited.
  STDMETHODIMP OnRequestEdit(DISPID dispID) noexcept override;

 private:
  TFontAdapter* FAdapter;
};

}  // namespace zarnel
