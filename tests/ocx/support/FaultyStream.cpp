#include "FaultyStream.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarnel::test {

Microsoft::WRL::ComPtr<TFaultyStream> TFaultyStream::Create(IStream* bytes) {
  Microsoft::WRL::ComPtr<IStream> inner = bytes;
  if (!inner) {
    EXPECT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &inner), S_OK);
  }
  return Microsoft::WRL::ComPtr<TFaultyStream>(new TFaultyStream(inner));
}

void TFaultyStream::FailReadsAfter(ULONG bytes, HRESULT code) { FReads = {bytes, code}; }
void TFaultyStream::FailWritesAfter(ULONG bytes, HRESULT code) { FWrites = {bytes, code}; }

// Cuts size down to what the budget allows; the failure once nothing is left.
HRESULT TFaultyStream::Spend(TBudget& budget, ULONG& size) {
  if (budget.Code == S_OK) return S_OK;
  if (budget.Left == 0) return budget.Code;
  size = std::min(size, budget.Left);
  budget.Left -= size;
  return S_OK;
}

STDMETHODIMP TFaultyStream::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (!::IsEqualIID(iid, IID_IUnknown) && !::IsEqualIID(iid, IID_ISequentialStream) &&
      !::IsEqualIID(iid, IID_IStream)) {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  *ppv = static_cast<IStream*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) TFaultyStream::AddRef() noexcept { return static_cast<ULONG>(++FRefCount); }

STDMETHODIMP_(ULONG) TFaultyStream::Release() noexcept {
  const LONG count = --FRefCount;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

STDMETHODIMP TFaultyStream::Read(void* buffer, ULONG size, ULONG* read) noexcept {
  if (read) *read = 0;
  if (const HRESULT hr = Spend(FReads, size); FAILED(hr)) return hr;
  return FInner->Read(buffer, size, read);
}

STDMETHODIMP TFaultyStream::Write(const void* buffer, ULONG size, ULONG* written) noexcept {
  if (written) *written = 0;
  if (const HRESULT hr = Spend(FWrites, size); FAILED(hr)) return hr;
  return FInner->Write(buffer, size, written);
}

STDMETHODIMP TFaultyStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) noexcept {
  return FInner->Seek(move, origin, position);
}
STDMETHODIMP TFaultyStream::SetSize(ULARGE_INTEGER size) noexcept { return FInner->SetSize(size); }
STDMETHODIMP TFaultyStream::CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) noexcept {
  return FInner->CopyTo(target, size, read, written);
}
STDMETHODIMP TFaultyStream::Commit(DWORD flags) noexcept { return FInner->Commit(flags); }
STDMETHODIMP TFaultyStream::Revert() noexcept { return FInner->Revert(); }
STDMETHODIMP TFaultyStream::LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) noexcept {
  return FInner->LockRegion(offset, size, type);
}
STDMETHODIMP TFaultyStream::UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) noexcept {
  return FInner->UnlockRegion(offset, size, type);
}
STDMETHODIMP TFaultyStream::Stat(STATSTG* stat, DWORD flags) noexcept { return FInner->Stat(stat, flags); }
STDMETHODIMP TFaultyStream::Clone(IStream** clone) noexcept {
  if (clone) *clone = nullptr;
  return E_NOTIMPL;
}

}  // namespace zarnel::test
