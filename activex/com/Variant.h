#pragma once
// Owned automation values, and the property calls made with them through IDispatch::Invoke.
#include <windows.h>
#include <oleauto.h>

namespace zarnel {

// A VARIANT that starts empty, every byte zero (a type set later comes with a null pointer), and is
// cleared when it goes; a move takes the value bit for bit.
class TVariant {
 public:
  TVariant() noexcept : FValue{} { ::VariantInit(&FValue); }
  ~TVariant() { ::VariantClear(&FValue); }
  TVariant(const TVariant&) = delete;
  TVariant& operator=(const TVariant&) = delete;
  TVariant(TVariant&& other) noexcept : FValue(other.FValue) { ::VariantInit(&other.FValue); }
  TVariant& operator=(TVariant&& other) noexcept {
    if (this != &other) {
      ::VariantClear(&FValue);
      FValue = other.FValue;
      ::VariantInit(&other.FValue);
    }
    return *this;
  }

  VARIANT& operator*() noexcept { return FValue; }
  const VARIANT& operator*() const noexcept { return FValue; }
  VARIANT* operator->() noexcept { return &FValue; }
  VARIANT* get() noexcept { return &FValue; }
  // For an out parameter that hands over a new value: the old one is cleared first.
  VARIANT* put() noexcept {
    ::VariantClear(&FValue);
    return &FValue;
  }

 private:
  VARIANT FValue;
};

// An EXCEPINFO whose strings are freed when it goes.
class TExceptionInfo {
 public:
  TExceptionInfo() = default;
  ~TExceptionInfo();
  TExceptionInfo(const TExceptionInfo&) = delete;
  TExceptionInfo& operator=(const TExceptionInfo&) = delete;

  EXCEPINFO* get() noexcept { return &FInfo; }
  // The failure the exception describes, its deferred part filled in first.
  HRESULT Code() noexcept;

 private:
  EXCEPINFO FInfo{};
};

// The property `id` of target, read without arguments. DISP_E_EXCEPTION comes back as the code of
// the exception it reports.
HRESULT GetProperty(IDispatch& target, DISPID id, TVariant& value) noexcept;
// Sets the property `id` of target to value, passed as the one named property-put argument;
// DISP_E_EXCEPTION comes back as the code of the exception it reports.
HRESULT PutProperty(IDispatch& target, DISPID id, VARIANT& value) noexcept;

}  // namespace zarnel
