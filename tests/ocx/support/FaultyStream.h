#pragma once
// A stream in memory that fails when told to: reads after a given number of bytes, or every write,
// answer the HRESULT the test chose, as a stream on a broken medium would.
#include <windows.h>
#include <objidl.h>
#include <wrl/client.h>

#include <utility>

namespace zarnel::test {

class TFaultyStream final : public IStream {
 public:
  // A new stream over `bytes` (may be null: empty), with the test's one reference.
  static Microsoft::WRL::ComPtr<TFaultyStream> Create(IStream* bytes = nullptr);

  // Reads fail with `code` once `bytes` bytes have been read.
  void FailReadsAfter(ULONG bytes, HRESULT code);
  // Writes fail with `code` once `bytes` bytes have been written.
  void FailWritesAfter(ULONG bytes, HRESULT code);
  ULONG References() const { return static_cast<ULONG>(FRefCount); }

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  STDMETHODIMP Read(void* buffer, ULONG size, ULONG* read) noexcept override;
  STDMETHODIMP Write(const void* buffer, ULONG size, ULONG* written) noexcept override;
  STDMETHODIMP Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) noexcept override;
  STDMETHODIMP SetSize(ULARGE_INTEGER size) noexcept override;
  STDMETHODIMP CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                      ULARGE_INTEGER* written) noexcept override;
  STDMETHODIMP Commit(DWORD flags) noexcept override;
  STDMETHODIMP Revert() noexcept override;
  STDMETHODIMP LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) noexcept override;
  STDMETHODIMP UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) noexcept override;
  STDMETHODIMP Stat(STATSTG* stat, DWORD flags) noexcept override;
  STDMETHODIMP Clone(IStream** clone) noexcept override;

 private:
  struct TBudget {
    ULONG Left = ~0UL;
    HRESULT Code = S_OK;
  };
  explicit TFaultyStream(Microsoft::WRL::ComPtr<IStream> inner) : FInner(std::move(inner)) {}
  static HRESULT Spend(TBudget& budget, ULONG& size);

  LONG FRefCount = 0;
  Microsoft::WRL::ComPtr<IStream> FInner;
  TBudget FReads;
  TBudget FWrites;
};

}  // namespace zarnel::test
