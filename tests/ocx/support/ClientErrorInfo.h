#pragma once
// What a failing member left for its caller: the thread's error information, read the way a client
// reads it (GetErrorInfo, which also clears it), and BSTRs turned into strings.
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace zarnel::test {

struct TClientErrorInfo {
  bool Present = false;  // GetErrorInfo gave an object
  GUID Interface = GUID_NULL;
  std::wstring Source;
  std::wstring Description;
  bool HelpFileNull = true;
  std::wstring HelpFile;
  DWORD HelpContext = 0;
};

TClientErrorInfo TakeErrorInfo();
// Leaves the thread without error information, so that a later read sees only what came after.
void ClearErrorInfo();

// The whole string, its length from the length prefix (embedded NULs kept); frees it.
std::wstring TakeBstr(BSTR s);

}  // namespace zarnel::test
