#pragma once
#include <stdexcept>
#include <string>

namespace zarnel {

// Errors raised inside the framework and the control carry their message; the COM boundary turns
// them into an HRESULT with error information.
class EFrameworkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Substitutes each "%s" in order; enough for the few parameterised messages the control raises.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace zarnel
