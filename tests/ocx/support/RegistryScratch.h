#pragma once
// A predefined root key of this process (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER) redirected to a fresh key
// of its own under the real HKEY_CURRENT_USER\Software\ZarnelX2ProTests, for as long as the object
// lives: whatever a registration writes below that root lands there, and the prefix's real keys stay
// untouched. The key goes with everything below it. Redirect HKEY_CURRENT_USER last: the scratch keys
// are made below the real one.
#include <windows.h>

#include <string>

#include "RegistryReader.h"

namespace zarnel::test {

class TScratchRoot {
 public:
  explicit TScratchRoot(HKEY predefined);  // fails the test when the key cannot be made or the redirection set
  ~TScratchRoot();
  TScratchRoot(const TScratchRoot&) = delete;
  TScratchRoot& operator=(const TScratchRoot&) = delete;

  // The scratch key itself, readable and writable whatever the redirection is.
  HKEY Key() const { return FKey.get(); }
  // Its path below the real HKEY_CURRENT_USER.
  const std::wstring& Path() const { return FPath; }
  // Creates key below the scratch key (options as RegCreateKeyEx takes them) with value as its default.
  void Put(const std::wstring& key, const std::wstring& value, DWORD options = REG_OPTION_NON_VOLATILE) const;

 private:
  HKEY FPredefined;
  std::wstring FPath;
  TTestRegKey FKey;
};

// HKEY_CLASSES_ROOT redirected.
class TScratchClassesRoot : public TScratchRoot {
 public:
  TScratchClassesRoot() : TScratchRoot(HKEY_CLASSES_ROOT) {}
};

}  // namespace zarnel::test
