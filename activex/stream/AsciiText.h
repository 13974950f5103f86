#pragma once

#include <string_view>

namespace zarnel::stream {

// Names in component streams match regardless of the case of ASCII letters, and of nothing else:
// the result must not depend on the locale of the process that loads the control.
bool SameText(std::string_view a, std::string_view b) noexcept;

}  // namespace zarnel::stream
