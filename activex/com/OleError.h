#pragma once
#include <windows.h>

#include "FrameworkError.h"

namespace zarnel {

// A failure of the platform's COM or OLE services: the message plus the HRESULT the service gave,
// which reaches the caller unchanged.
class EOleSysError : public EFrameworkError {
 public:
  EOleSysError(const std::string& message, HRESULT code) : EFrameworkError(message), FErrorCode(code) {}
  HRESULT ErrorCode() const { return FErrorCode; }

 private:
  HRESULT FErrorCode;
};

// Raises EOleSysError with the system's text for a failed HRESULT; success passes.
void OleCheck(HRESULT hr);

}  // namespace zarnel
