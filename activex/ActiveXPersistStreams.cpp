#include <wrl/client.h>

#include "ActiveXControl.h"
#include "ComStreams.h"

namespace zarnel {
namespace {

constexpr const wchar_t* ControlStreamName = L"CONTROLSAVESTREAM";

}  // namespace

STDMETHODIMP TActiveXControlBase::GetClassID(CLSID* clsid) noexcept {
  if (!clsid) return E_POINTER;
  *clsid = FFactory.ClassID();
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::IsDirty() noexcept { return FDirty ? S_OK : S_FALSE; }

// The control keeps the state it was created with.
HRESULT TActiveXControlBase::StreamInitNew() noexcept {
  FDirty = false;
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::Load(IStream* stream) noexcept {
  if (!stream) return E_POINTER;
  return SafeCallClearingInfo([&] {
    LoadComponent(stream, Control());
    FDirty = false;
  });
}

STDMETHODIMP TActiveXControlBase::Save(IStream* stream, BOOL clearDirty) noexcept {
  if (!stream) return E_POINTER;
  return SafeCallClearingInfo([&] {
    SaveComponent(stream, Control());
    if (clearDirty) FDirty = false;
  });
}

STDMETHODIMP TActiveXControlBase::GetSizeMax(ULARGE_INTEGER*) noexcept { return E_NOTIMPL; }

// The storage is not kept: saves are told where to go each time.
STDMETHODIMP TActiveXControlBase::InitNew(IStorage*) noexcept { return StreamInitNew(); }

STDMETHODIMP TActiveXControlBase::Load(IStorage* storage) noexcept {
  if (!storage) return E_POINTER;
  return SafeCallClearingInfo([&]() -> HRESULT {
    Microsoft::WRL::ComPtr<IStream> stream;
    const HRESULT hr =
        storage->OpenStream(ControlStreamName, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
    if (FAILED(hr)) return hr;
    LoadComponent(stream.Get(), Control());
    FDirty = false;
    return S_OK;
  });
}

// Whether the storage is the one loaded from makes no difference, and the flag stays as it is
// until the container reports the save completed.
STDMETHODIMP TActiveXControlBase::Save(IStorage* storage, BOOL) noexcept {
  if (!storage) return E_POINTER;
  return SafeCallClearingInfo([&]() -> HRESULT {
    Microsoft::WRL::ComPtr<IStream> stream;
    const HRESULT hr = storage->CreateStream(ControlStreamName, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_WRITE, 0,
                                             0, &stream);
    if (FAILED(hr)) return hr;
    SaveComponent(stream.Get(), Control());
    return S_OK;
  });
}

STDMETHODIMP TActiveXControlBase::SaveCompleted(IStorage*) noexcept {
  FDirty = false;
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::HandsOffStorage() noexcept { return S_OK; }

}  // namespace zarnel
