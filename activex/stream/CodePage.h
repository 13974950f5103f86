#pragma once

#include <string>
#include <string_view>

namespace zarnel::stream {

// The system's 8-bit code page. On Windows: MultiByteToWideChar / WideCharToMultiByte with CP_ACP.
class ICodePage {
 public:
  virtual ~ICodePage() = default;
  virtual std::u16string ToUtf16(std::string_view text) const = 0;
  // Receives well-formed UTF-16 only; characters without an 8-bit form map as the platform maps them.
  virtual std::string FromUtf16(std::u16string_view text) const = 0;
};

}  // namespace zarnel::stream
