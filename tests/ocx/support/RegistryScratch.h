#pragma once
// HKEY_CLASSES_ROOT of this process redirected to a fresh key of its own under
// HKEY_CURRENT_USER\Software\ZarnelX2ProTests, for as long as the object lives: whatever a registration
// writes lands there, and the prefix's real classes stay untouched. The key goes with everything below it.
#include <windows.h>

#include <string>

#include "RegistryReader.h"

namespace zarnel::test {

class TScratchClassesRoot {
 public:
  TScratchClassesRoot();  // fails the test when the key cannot be made or the redirection set
  ~TScratchClassesRoot();
  TScratchClassesRoot(const TScratchClassesRoot&) = delete;
  TScratchClassesRoot& operator=(const TScratchClassesRoot&) = delete;

  // The scratch key itself, readable and writable whatever the redirection is.
  HKEY Key() const { return FKey.get(); }
  // Its path below HKEY_CURRENT_USER.
  const std::wstring& Path() const { return FPath; }

 private:
  std::wstring FPath;
  TTestRegKey FKey;
};

}  // namespace zarnel::test
