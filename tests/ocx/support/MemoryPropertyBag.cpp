#include "MemoryPropertyBag.h"

#include <gtest/gtest.h>

namespace zarnel::test {

Microsoft::WRL::ComPtr<TMemoryPropertyBag> TMemoryPropertyBag::Create() {
  return Microsoft::WRL::ComPtr<TMemoryPropertyBag>(new TMemoryPropertyBag);
}

TMemoryPropertyBag::~TMemoryPropertyBag() { Clear(); }

void TMemoryPropertyBag::Clear() {
  for (TEntry& entry : FEntries) ::VariantClear(&entry.Value);
  FEntries.clear();
}

STDMETHODIMP TMemoryPropertyBag::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (!::IsEqualIID(iid, IID_IUnknown) && !::IsEqualIID(iid, IID_IPropertyBag)) {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  *ppv = static_cast<IPropertyBag*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) TMemoryPropertyBag::AddRef() noexcept { return static_cast<ULONG>(++FRefCount); }

STDMETHODIMP_(ULONG) TMemoryPropertyBag::Release() noexcept {
  const LONG count = --FRefCount;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

TMemoryPropertyBag::TEntry* TMemoryPropertyBag::Entry(LPCOLESTR name) {
  for (TEntry& entry : FEntries)
    if (::lstrcmpiW(entry.Name.c_str(), name) == 0) return &entry;
  return nullptr;
}

STDMETHODIMP TMemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) noexcept {
  if (!name || !value) return E_POINTER;
  FReads.emplace_back(name);
  if (FFailingCode != S_OK && ::lstrcmpiW(FFailingName.c_str(), name) == 0) return FFailingCode;
  TEntry* entry = Entry(name);
  if (!entry) return E_INVALIDARG;
  const VARTYPE wanted = value->vt;
  ::VariantInit(value);
  if (wanted == VT_EMPTY) return ::VariantCopy(value, &entry->Value);
  return ::VariantChangeType(value, &entry->Value, 0, wanted);
}

STDMETHODIMP TMemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) noexcept {
  if (!name || !value) return E_POINTER;
  FWrites.emplace_back(name);
  if (FFailWrites) return E_FAIL;
  Put(name, *value);
  return S_OK;
}

void TMemoryPropertyBag::Put(const std::wstring& name, const VARIANT& value) {
  TEntry* entry = Entry(name.c_str());
  if (!entry) {
    entry = &FEntries.emplace_back();
    entry->Name = name;
    ::VariantInit(&entry->Value);
  }
  ASSERT_EQ(::VariantCopy(&entry->Value, const_cast<VARIANT*>(&value)), S_OK);
}

const VARIANT* TMemoryPropertyBag::Find(const std::wstring& name) const {
  const TEntry* entry = const_cast<TMemoryPropertyBag*>(this)->Entry(name.c_str());
  return entry ? &entry->Value : nullptr;
}

std::vector<std::wstring> TMemoryPropertyBag::Names() const {
  std::vector<std::wstring> names;
  for (const TEntry& entry : FEntries) names.push_back(entry.Name);
  return names;
}

void TMemoryPropertyBag::FailRead(const std::wstring& name, HRESULT code) {
  FFailingName = name;
  FFailingCode = code;
}

}  // namespace zarnel::test
