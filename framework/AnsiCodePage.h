#pragma once
#include "CodePage.h"

namespace zarnel {

// The system's ANSI code page of the calling thread, through the platform's conversions.
class TAnsiCodePage final : public stream::ICodePage {
 public:
  std::u16string ToUtf16(std::string_view text) const override;
  std::string FromUtf16(std::u16string_view text) const override;
};

}  // namespace zarnel
