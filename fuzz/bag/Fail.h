#pragma once
// A broken rule ends the run at once: the message goes to stderr and the process aborts, which the
// driver (or libFuzzer) reports as a crash with the input that caused it.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <string_view>

namespace zarnel::fuzz {

[[noreturn]] void Fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Text for messages: UTF-8 of a wide string, and a short account of a value.
std::string Narrow(std::wstring_view text);
std::string Describe(const VARIANT& value);

}  // namespace zarnel::fuzz
