#include "Registry.h"

#include <objbase.h>

#include "FrameworkError.h"

namespace zarnel {

void CreateRegKey(HKEY root, const std::wstring& key, const std::wstring& valueName, const std::wstring& value) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &opened,
                        &disposition) != ERROR_SUCCESS)
    throw EFrameworkError("Error creating system registry entry");
  const TRegKey owner(opened);
  const auto* bytes = reinterpret_cast<const BYTE*>(value.c_str());
  const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (::RegSetValueExW(opened, valueName.empty() ? nullptr : valueName.c_str(), 0, REG_SZ, bytes, size) !=
      ERROR_SUCCESS)
    throw EFrameworkError("Error creating system registry entry");
}

void DeleteRegKey(HKEY root, const std::wstring& key) noexcept { ::RegDeleteKeyW(root, key.c_str()); }

std::wstring GuidToString(const GUID& guid) {
  wchar_t text[40];
  ::StringFromGUID2(guid, text, 40);
  return text;
}

}  // namespace zarnel
