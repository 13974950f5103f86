#include "StreamError.h"

#include <string>

namespace zarnel::stream {

EStreamError EStreamError::InvalidStreamFormat() { return EStreamError("Invalid stream format"); }

EStreamError EStreamError::StreamReadError() { return EStreamError("Stream read error"); }

EStreamError EStreamError::InvalidPropertyValue() { return EStreamError("Invalid property value"); }

EStreamError EStreamError::PropertyIsReadOnly() { return EStreamError("Property is read-only"); }

EStreamError EStreamError::InvalidComponentName(std::string_view name) {
  return EStreamError("''" + std::string(name) + "'' is not a valid component name");
}

EStreamError EStreamError::PropertyDoesNotExist(std::string_view name) {
  return EStreamError("Property " + std::string(name) + " does not exist");
}

EStreamError EStreamError::ClassNotFound(std::string_view className) {
  return EStreamError("Class " + std::string(className) + " not found");
}

}  // namespace zarnel::stream
