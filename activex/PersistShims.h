#pragma once
// IPersistStreamInit and IPersistPropertyBag both declare a parameterless InitNew, with different
// duties; one object implementing both gives each its own name through these.
#include <ocidl.h>
#include <objidl.h>

namespace zarnel {

class TPersistStreamInitShim : public IPersistStreamInit {
 public:
  STDMETHODIMP InitNew() noexcept final { return StreamInitNew(); }

 protected:
  virtual HRESULT StreamInitNew() noexcept = 0;
};

class TPersistPropertyBagShim : public IPersistPropertyBag {
 public:
  STDMETHODIMP InitNew() noexcept final { return PropertyBagInitNew(); }

 protected:
  virtual HRESULT PropertyBagInitNew() noexcept = 0;
};

}  // namespace zarnel
