#include "TypeLibraryKeys.h"

#include <wrl/client.h>

#include <cwchar>
#include <initializer_list>
#include <vector>

#include "Bstr.h"
#include "FrameworkError.h"
#include "OleError.h"
#include "Registry.h"

namespace zarnel {
namespace {

// The marshallers the platform names: the automation one for dual and automation interfaces, the
// dispatch one for pure dispatch interfaces.
constexpr const wchar_t* AutomationProxy = L"{00020424-0000-0000-C000-000000000046}";
constexpr const wchar_t* DispatchProxy = L"{00020420-0000-0000-C000-000000000046}";

// An interface the platform registers with its library.
struct TLibraryInterface {
  std::wstring Key;
  std::wstring Name;
  const wchar_t* Proxy;
};

// The platform writes versions and locales in hexadecimal.
std::wstring Hex(unsigned value) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%x", value);
  return text;
}

TLIBATTR LibraryAttributes(ITypeLib* library) {
  TLIBATTR* attributes = nullptr;
  OleCheck(library->GetLibAttr(&attributes));
  const TLIBATTR copy = *attributes;
  library->ReleaseTLibAttr(attributes);
  return copy;
}

std::wstring Version(const TLIBATTR& library) {
  return Hex(library.wMajorVerNum) + L"." + Hex(library.wMinorVerNum);
}

std::wstring VersionKey(const TLIBATTR& library) {
  return L"TypeLib\\" + GuidToString(library.guid) + L"\\" + Version(library);
}

std::wstring PlatformKey(const TLIBATTR& library) {
  const std::wstring locale = Hex(library.lcid) + L"\\";
  switch (library.syskind) {
    case SYS_WIN32:
      return locale + L"win32";
    case SYS_WIN64:
      return locale + L"win64";
    default:
      throw EFrameworkError("Unsupported type library platform");
  }
}

std::wstring Text(const TBstr& text) { return std::wstring(text.get(), ::SysStringLen(text.get())); }

// The library's dispatch interfaces (dual ones included) and automation interfaces, as the platform
// picks them.
std::vector<TLibraryInterface> LibraryInterfaces(ITypeLib* library) {
  std::vector<TLibraryInterface> interfaces;
  const UINT count = library->GetTypeInfoCount();
  for (UINT index = 0; index < count; ++index) {
    Microsoft::WRL::ComPtr<ITypeInfo> info;
    OleCheck(library->GetTypeInfo(index, &info));
    TYPEATTR* attributes = nullptr;
    OleCheck(info->GetTypeAttr(&attributes));
    const TYPEKIND kind = attributes->typekind;
    const WORD flags = attributes->wTypeFlags;
    const GUID guid = attributes->guid;
    info->ReleaseTypeAttr(attributes);
    if (kind != TKIND_DISPATCH && !(kind == TKIND_INTERFACE && (flags & TYPEFLAG_FOLEAUTOMATION))) continue;
    TBstr name;
    OleCheck(library->GetDocumentation(static_cast<INT>(index), name.put(), nullptr, nullptr, nullptr));
    const bool automation = kind == TKIND_INTERFACE || (flags & TYPEFLAG_FDUAL);
    interfaces.push_back({L"Interface\\" + GuidToString(guid), Text(name), automation ? AutomationProxy : DispatchProxy});
  }
  return interfaces;
}

// Whether root\key has no subkeys but the named ones.
bool HasOnlySubkeys(HKEY root, const std::wstring& key, std::initializer_list<const wchar_t*> allowed) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  const TRegKey owner(opened);
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (::RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return true;
    bool known = false;
    for (const wchar_t* subkey : allowed) known = known || ::lstrcmpiW(name, subkey) == 0;
    if (!known) return false;
  }
}

}  // namespace

void RegisterTypeLibraryKeys(HKEY root, ITypeLib* library, const std::wstring& path, const std::wstring& helpFolder) {
  const TLIBATTR attributes = LibraryAttributes(library);
  const std::wstring versionKey = VersionKey(attributes);
  TBstr name;
  OleCheck(library->GetDocumentation(MEMBERID_NIL, nullptr, name.put(), nullptr, nullptr));
  CreateRegKey(root, versionKey, L"", Text(name));
  CreateRegKey(root, versionKey + L"\\" + PlatformKey(attributes), L"", path);
  CreateRegKey(root, versionKey + L"\\FLAGS", L"", std::to_wstring(attributes.wLibFlags));
  CreateRegKey(root, versionKey + L"\\HELPDIR", L"", helpFolder);
  for (const TLibraryInterface& entry : LibraryInterfaces(library)) {
    CreateRegKey(root, entry.Key, L"", entry.Name);
    CreateRegKey(root, entry.Key + L"\\ProxyStubClsid", L"", entry.Proxy);
    CreateRegKey(root, entry.Key + L"\\ProxyStubClsid32", L"", entry.Proxy);
    CreateRegKey(root, entry.Key + L"\\TypeLib", L"", GuidToString(attributes.guid));
    CreateRegKey(root, entry.Key + L"\\TypeLib", L"Version", Version(attributes));
  }
}

void UnregisterTypeLibraryKeys(HKEY root, ITypeLib* library) noexcept {
  try {
    for (const TLibraryInterface& entry : LibraryInterfaces(library)) {
      DeleteRegKey(root, entry.Key + L"\\ProxyStubClsid");
      DeleteRegKey(root, entry.Key + L"\\ProxyStubClsid32");
      DeleteRegKey(root, entry.Key + L"\\TypeLib");
      DeleteRegKey(root, entry.Key);
    }
    const TLIBATTR attributes = LibraryAttributes(library);
    const std::wstring versionKey = VersionKey(attributes);
    const std::wstring platformKey = PlatformKey(attributes);
    DeleteRegKey(root, versionKey + L"\\" + platformKey);
    DeleteRegKey(root, versionKey + L"\\" + platformKey.substr(0, platformKey.find(L'\\')));
    if (!HasOnlySubkeys(root, versionKey, {L"FLAGS", L"HELPDIR"})) return;
    DeleteRegKey(root, versionKey + L"\\FLAGS");
    DeleteRegKey(root, versionKey + L"\\HELPDIR");
    DeleteRegKey(root, versionKey);
    DeleteRegKey(root, versionKey.substr(0, versionKey.rfind(L'\\')));
  } catch (...) {
    // The library's own description cannot be read: there is nothing it could name to remove.
  }
}

}  // namespace zarnel
