#pragma once

#include <stdexcept>
#include <string>

namespace zarnel::stream {

// Malformed text of a component: what() is "line <n>: <message>", lines counted from 1.
class ETextError : public std::runtime_error {
 public:
  ETextError(int line, const std::string& message);

  int Line() const noexcept { return FLine; }
  const std::string& Message() const noexcept { return FMessage; }

 private:
  int FLine;
  std::string FMessage;
};

}  // namespace zarnel::stream
