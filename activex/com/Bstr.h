#pragma once
// Automation strings: an owner for BSTR, and the crossing between BSTR and the control's 8-bit text.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace zarnel {

class TBstr {
 public:
  TBstr() = default;
  explicit TBstr(BSTR s) : FString(s) {}
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;
  TBstr(TBstr&& other) noexcept : FString(std::exchange(other.FString, nullptr)) {}
  TBstr& operator=(TBstr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.FString, nullptr));
    return *this;
  }
  ~TBstr() { reset(); }

  BSTR get() const { return FString; }
  BSTR* put() {
    reset();
    return &FString;
  }
  BSTR release() { return std::exchange(FString, nullptr); }
  void reset(BSTR s = nullptr) {
    if (FString) ::SysFreeString(FString);
    FString = s;
  }

 private:
  BSTR FString = nullptr;
};

// The whole string, its length taken from the length prefix, in the thread's ANSI code page;
// characters the code page lacks become its default character. Null gives empty text.
std::string BstrToText(BSTR s);
// A new BSTR from 8-bit text in the thread's ANSI code page; empty text gives null.
TBstr TextToBstr(const std::string& text);
// A new BSTR from UTF-16 text; throws EOleSysError(E_OUTOFMEMORY) when it cannot be allocated.
TBstr MakeBstr(std::wstring_view text);

}  // namespace zarnel
