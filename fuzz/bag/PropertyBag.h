#pragma once
// The fuzz target's property bag, kept in memory the way a script host keeps a page's <param>
// values: entries in the order given, names matched without regard to case (the first match
// answers), unknown names answered with E_INVALIDARG. An entry may answer a failure instead of its
// value. The bag records what it is asked and what it answered, and stores written fonts as copies
// of their own, as a file would.
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "Variant.h"
#include "RefCounted.h"

namespace zarnel::fuzz {

class TFuzzPropertyBag final : public TRefCounted<IPropertyBag> {
 public:
  struct TEntry {
    std::wstring Name;
    HRESULT Answer;  // S_OK: the value; otherwise what Read answers instead
    TVariant Value;
  };

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override;
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* errorLog) noexcept override;
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) noexcept override;

  // Takes an entry over as it is.
  void Add(std::wstring name, HRESULT answer, TVariant value);
  // The entry Read answers for name, or null.
  const TEntry* Find(const wchar_t* name) const;

  // The names Read was asked for and Write was given, in order.
  const std::vector<std::wstring>& Reads() const { return FReads; }
  const std::vector<std::wstring>& Writes() const { return FWrites; }
  // Which reads got a value (S_OK), by their position in Reads().
  const std::vector<bool>& Answered() const { return FAnswered; }
  // The position in Reads() of the first read answered with E_ABORT, or -1.
  int AbortedAt() const { return FAbortedAt; }

 private:
  std::vector<TEntry> FEntries;
  std::vector<std::wstring> FReads;
  std::vector<std::wstring> FWrites;
  std::vector<bool> FAnswered;
  int FAbortedAt = -1;
};

}  // namespace zarnel::fuzz
