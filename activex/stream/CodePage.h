#pragma once

#include <string>
#include <string_view>

namespace zarnel::stream {

// The system's 8-bit code page. On Windows: MultiByteToWideChar / WideCharToMultiByte with the
// thread's ANSI code page (CP_THREAD_ACP) and no flags.
class ICodePage {
 public:
  virtual ~ICodePage() = default;
  virtual std::u16string ToUtf16(std::string_view text) const = 0;
  // Any UTF-16, unpaired surrogates included: what has no 8-bit form becomes the code page's default
  // character ('?'), as the platform maps it.
  virtual std::string FromUtf16(std::u16string_view text) const = 0;
};

}  // namespace zarnel::stream
