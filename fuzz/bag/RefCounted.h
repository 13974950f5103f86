#pragma once
// Reference counting for the fuzz target's own COM objects (each answers QueryInterface itself).
// The count starts at zero: make them with MakeObject, whose ComPtr takes the first reference.
#include <windows.h>
#include <unknwn.h>
#include <wrl/client.h>

#include <utility>

namespace zarnel::fuzz {

template <typename TInterface>
class TRefCounted : public TInterface {
 public:
  TRefCounted() = default;
  TRefCounted(const TRefCounted&) = delete;
  TRefCounted& operator=(const TRefCounted&) = delete;

  STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++FRefCount; }
  STDMETHODIMP_(ULONG) Release() noexcept override {
    const ULONG count = --FRefCount;
    if (count == 0) delete this;
    return count;
  }
  ULONG References() const { return FRefCount; }

 protected:
  virtual ~TRefCounted() = default;

  // QueryInterface for an object that answers IUnknown and the given interfaces as itself.
  HRESULT AnswerAsSelf(void** ppv) noexcept {
    *ppv = static_cast<TInterface*>(this);
    AddRef();
    return S_OK;
  }

 private:
  ULONG FRefCount = 0;
};

template <typename T, typename... TArgs>
Microsoft::WRL::ComPtr<T> MakeObject(TArgs&&... args) {
  return Microsoft::WRL::ComPtr<T>(new T(std::forward<TArgs>(args)...));
}

}  // namespace zarnel::fuzz
