#pragma once
// The one guard every COM method body runs through: no exception crosses a COM boundary.
#include <windows.h>
#include <oleauto.h>

#include <type_traits>

namespace zarnel {

// Where error information names a failure as coming from: the interface and the ProgID.
struct TErrorSource {
  const IID* Interface;
  const wchar_t* ProgID;
};

// Inside a catch handler: the HRESULT for the exception in flight (an OLE error's own negative code,
// else E_UNEXPECTED). With a source, the thread's error information describes it; without one the
// error information is left alone.
HRESULT HandleSafeCallException(const TErrorSource* source) noexcept;

// Runs body and returns S_OK, or the HRESULT body returns when it returns one.
template <typename F>
HRESULT RunBody(F& body) {
  if constexpr (std::is_void_v<decltype(body())>) {
    body();
    return S_OK;
  } else {
    return body();
  }
}

template <typename F>
HRESULT SafeCall(const TErrorSource& source, F&& body) noexcept {
  try {
    return RunBody(body);
  } catch (...) {
    return HandleSafeCallException(&source);
  }
}

// For the interfaces that answer with an HRESULT alone (persistence, connections, factories).
template <typename F>
HRESULT SafeCallNoInfo(F&& body) noexcept {
  try {
    return RunBody(body);
  } catch (...) {
    return HandleSafeCallException(nullptr);
  }
}

// For the persistence interfaces: the HRESULT alone, and no error information left on the thread, so
// that a caller asking for it finds none rather than an older failure's.
template <typename F>
HRESULT SafeCallClearingInfo(F&& body) noexcept {
  try {
    return RunBody(body);
  } catch (...) {
    const HRESULT code = HandleSafeCallException(nullptr);
    ::SetErrorInfo(0, nullptr);
    return code;
  }
}

}  // namespace zarnel
