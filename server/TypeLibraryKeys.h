#pragma once
// The keys the platform's RegisterTypeLib writes for a type library, written and removed by our own code
// below any root: the per-user registration needs them under HKEY_CURRENT_USER\Software\Classes, and
// the platform's RegisterTypeLibForUser cannot be trusted to put them there (Wine's registers
// machine-wide).
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace zarnel {

// TypeLib\{libid}\major.minor with the library's name, its FLAGS, HELPDIR and lcid\win32|win64 = path,
// and Interface\{iid} for every dispatch and automation interface: its name, proxy and library.
// Raises on the first failing step.
void RegisterTypeLibraryKeys(HKEY root, ITypeLib* library, const std::wstring& path, const std::wstring& helpFolder);
// Removes them again; the library's version key goes only once no other platform's path is left in it.
void UnregisterTypeLibraryKeys(HKEY root, ITypeLib* library) noexcept;

}  // namespace zarnel
