#pragma once
// Reading back what a registration wrote, with the registry API: one value with its exact type, or a
// whole subtree of keys and values at once, for comparisons that also catch keys nobody expected.
#include <windows.h>

#include <map>
#include <ostream>
#include <string>

#include "Handles.h"

namespace zarnel::test {

inline void CloseTestRegKey(HKEY key) { ::RegCloseKey(key); }
using TTestRegKey = TUniqueHandle<HKEY, CloseTestRegKey>;

struct TRegValue {
  DWORD Type = REG_NONE;
  // String types: the stored characters without their terminating null; other types: the bytes in hex.
  std::wstring Data;
  bool operator==(const TRegValue&) const = default;
};
void PrintTo(const TRegValue& value, std::ostream* os);

inline TRegValue RegSz(std::wstring text) { return {REG_SZ, std::move(text)}; }

// Key and value names are compared as the registry compares them: without regard to case.
struct TRegNameLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const;
};
// Value name ("" for the default value) → value.
using TRegValues = std::map<std::wstring, TRegValue, TRegNameLess>;
// Key path below the subtree's root ("" for the root itself) → the key's values.
using TRegTree = std::map<std::wstring, TRegValues, TRegNameLess>;

// root\key and every key below it; empty when root\key does not exist.
TRegTree ReadRegTree(HKEY root, const std::wstring& key);

// Whether two trees are equal as the registry sees them: key and value names without regard to case
// (the platform may spell a key "Typelib" where we write "TypeLib"), types and data exactly.
bool SameRegTree(const TRegTree& a, const TRegTree& b);

}  // namespace zarnel::test
