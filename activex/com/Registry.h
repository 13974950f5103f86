#pragma once
// Registry entries of a self-registering server, written and removed key by key.
#include <windows.h>

#include <string>

#include "Handles.h"

namespace zarnel {

inline void CloseRegKey(HKEY key) { ::RegCloseKey(key); }
using TRegKey = TUniqueHandle<HKEY, CloseRegKey>;

// Creates or opens root\key and sets the string value valueName (empty: the key's default value),
// closing the key at once; raises "Error creating system registry entry" when either step fails.
void CreateRegKey(HKEY root, const std::wstring& key, const std::wstring& valueName, const std::wstring& value);
// Deletes root\key, which must have no subkeys left; a missing key is no error.
void DeleteRegKey(HKEY root, const std::wstring& key) noexcept;

// The registry form of an identifier: upper-case hexadecimal in braces.
std::wstring GuidToString(const GUID& guid);

}  // namespace zarnel
