#pragma once
// A property bag of the test's own, kept in memory the way a script host keeps the <param> values
// of a page: entries in the order written, names matched without regard to case, a value converted
// to the type the reader asks for. It records the names it is asked for and can be told to fail.
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace zarnel::test {

class TMemoryPropertyBag final : public IPropertyBag {
 public:
  // A new, empty bag with the test's one reference.
  static Microsoft::WRL::ComPtr<TMemoryPropertyBag> Create();
  ~TMemoryPropertyBag();

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  // The stored value, converted to the caller's type when it names one; E_INVALIDARG for a name the
  // bag does not hold, or the conversion's failure.
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* errorLog) noexcept override;
  // Stores a copy, replacing an entry of the same name in its place.
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) noexcept override;

  // Puts an entry in as a host would (the value is copied).
  void Put(const std::wstring& name, const VARIANT& value);
  // The stored value, or null.
  const VARIANT* Find(const std::wstring& name) const;
  std::vector<std::wstring> Names() const;
  // The names asked for by Read and passed to Write, in order.
  const std::vector<std::wstring>& Reads() const { return FReads; }
  const std::vector<std::wstring>& Writes() const { return FWrites; }
  // Read answers `code` (and nothing else) for the entry `name`.
  void FailRead(const std::wstring& name, HRESULT code);
  // Write stores nothing and answers E_FAIL.
  void FailWrites() { FFailWrites = true; }
  ULONG References() const { return static_cast<ULONG>(FRefCount); }
  // Lets go of every stored value (and the objects they hold).
  void Clear();

 private:
  struct TEntry {
    std::wstring Name;
    VARIANT Value;
  };
  TMemoryPropertyBag() = default;
  TEntry* Entry(LPCOLESTR name);

  LONG FRefCount = 0;
  std::vector<TEntry> FEntries;
  std::vector<std::wstring> FReads;
  std::vector<std::wstring> FWrites;
  std::wstring FFailingName;
  HRESULT FFailingCode = S_OK;
  bool FFailWrites = false;
};

}  // namespace zarnel::test
