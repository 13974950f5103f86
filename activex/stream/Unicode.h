#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarnel::stream {

// Strict conversions: malformed input (overlong forms, encoded surrogates, code points above
// U+10FFFF, cut sequences, unpaired surrogates) gives no result rather than a guess.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16);

// The platform's reading of UTF-8 (MultiByteToWideChar with CP_UTF8 and no flags): each maximal
// start of a sequence that cannot be completed, and each byte that cannot start one, becomes U+FFFD.
std::u16string Utf8ToUtf16Replacing(std::string_view utf8);

}  // namespace zarnel::stream
