#pragma once

#include "CodePage.h"

namespace zarnel::stream {

// Windows-1252, mapped as Windows maps it: the five unassigned bytes stand for the C1 controls of
// the same value, and characters without a byte become '?'. The code page of the form converter,
// which must not depend on the machine it runs on, and of the tests.
class TCp1252CodePage final : public ICodePage {
 public:
  std::u16string ToUtf16(std::string_view text) const override;
  std::string FromUtf16(std::u16string_view text) const override;
};

}  // namespace zarnel::stream
