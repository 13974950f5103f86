#include "TextError.h"

namespace zarnel::stream {

ETextError::ETextError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), FLine(line), FMessage(message) {}

}  // namespace zarnel::stream
