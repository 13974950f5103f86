#include "PropertyBag.h"

#include <olectl.h>
#include <wrl/client.h>

namespace zarnel::fuzz {
namespace {

using Microsoft::WRL::ComPtr;

// What a file keeps of a font is its attributes: a written font is stored as a copy, so that an
// object loaded from the bag cannot share the saving object's font.
HRESULT StoreCopy(VARIANT& stored, const VARIANT& value) {
  if ((value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) && value.punkVal) {
    ComPtr<IFont> font;
    if (SUCCEEDED(value.punkVal->QueryInterface(IID_PPV_ARGS(&font)))) {
      ComPtr<IFont> copy;
      const HRESULT hr = font->Clone(&copy);
      if (FAILED(hr)) return hr;
      const IID& kind = value.vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
      stored.vt = value.vt;
      return copy->QueryInterface(kind, reinterpret_cast<void**>(&stored.punkVal));
    }
  }
  return ::VariantCopy(&stored, const_cast<VARIANT*>(&value));  // the source stays as it is
}

}  // namespace

STDMETHODIMP TFuzzPropertyBag::QueryInterface(REFIID iid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IPropertyBag)) return AnswerAsSelf(ppv);
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TFuzzPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog* errorLog) noexcept {
  if (!name || !value) return E_POINTER;
  FReads.emplace_back(name);
  FAnswered.push_back(false);
  const TEntry* entry = Find(name);
  const HRESULT answer = entry ? entry->Answer : E_INVALIDARG;
  if (answer == E_ABORT && FAbortedAt < 0) FAbortedAt = static_cast<int>(FReads.size()) - 1;
  if (answer != S_OK) {
    // A host tells the log about the values it could not give.
    if (errorLog && FAILED(answer)) {
      EXCEPINFO error{};
      error.scode = answer;
      errorLog->AddError(name, &error);
    }
    return answer;
  }
  // A reader that names a type gets the value converted to it.
  const VARTYPE wanted = value->vt;
  ::VariantInit(value);
  VARIANT* source = const_cast<VARIANT*>(&*entry->Value);  // the platform's copies leave it as it is
  const HRESULT hr = wanted == VT_EMPTY ? ::VariantCopy(value, source) : ::VariantChangeType(value, source, 0, wanted);
  FAnswered.back() = hr == S_OK;
  return hr;
}

STDMETHODIMP TFuzzPropertyBag::Write(LPCOLESTR name, VARIANT* value) noexcept {
  if (!name || !value) return E_POINTER;
  FWrites.emplace_back(name);
  TVariant stored;
  const HRESULT hr = StoreCopy(*stored, *value);
  if (FAILED(hr)) return hr;
  for (TEntry& entry : FEntries) {
    if (::lstrcmpiW(entry.Name.c_str(), name) != 0) continue;
    entry.Value = std::move(stored);
    entry.Answer = S_OK;
    return S_OK;
  }
  Add(name, S_OK, std::move(stored));
  return S_OK;
}

void TFuzzPropertyBag::Add(std::wstring name, HRESULT answer, TVariant value) {
  FEntries.push_back({std::move(name), answer, std::move(value)});
}

const TFuzzPropertyBag::TEntry* TFuzzPropertyBag::Find(const wchar_t* name) const {
  for (const TEntry& entry : FEntries)
    if (::lstrcmpiW(entry.Name.c_str(), name) == 0) return &entry;
  return nullptr;
}

}  // namespace zarnel::fuzz
