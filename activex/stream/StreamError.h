#pragma once

#include <stdexcept>
#include <string_view>

namespace zarnel::stream {

// The single failure type of component streams; the COM layer turns its message into an HRESULT
// with error information, so the texts below are what a container's user gets to see.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  static EStreamError InvalidStreamFormat();
  static EStreamError StreamReadError();
  static EStreamError InvalidPropertyValue();
  static EStreamError PropertyIsReadOnly();
  static EStreamError InvalidComponentName(std::string_view name);
  static EStreamError PropertyDoesNotExist(std::string_view name);
  static EStreamError ClassNotFound(std::string_view className);
};

}  // namespace zarnel::stream
