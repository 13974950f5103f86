#pragma once
// An error log as a host hands one to IPersistPropertyBag::Load; the bag tells it about the values
// it could not give. It keeps nothing: what matters is that the control lets it go.
#include <windows.h>
#include <ocidl.h>

#include "RefCounted.h"

namespace zarnel::fuzz {

class TErrorLog final : public TRefCounted<IErrorLog> {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP AddError(LPCOLESTR name, EXCEPINFO* error) noexcept override;
};

}  // namespace zarnel::fuzz
