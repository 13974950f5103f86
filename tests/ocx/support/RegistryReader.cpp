#include "RegistryReader.h"

#include <algorithm>
#include <vector>

namespace zarnel::test {
namespace {

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

TRegValue MakeValue(DWORD type, const BYTE* bytes, DWORD size) {
  TRegValue value{type, {}};
  if (IsStringType(type)) {
    value.Data.assign(reinterpret_cast<const wchar_t*>(bytes), size / sizeof(wchar_t));
    if (!value.Data.empty() && value.Data.back() == L'\0') value.Data.pop_back();
  } else {
    static const wchar_t digits[] = L"0123456789abcdef";
    for (DWORD i = 0; i < size; ++i) {
      value.Data += digits[bytes[i] >> 4];
      value.Data += digits[bytes[i] & 15];
    }
  }
  return value;
}

TRegValues ReadValues(HKEY key) {
  TRegValues values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    DWORD nameLength = static_cast<DWORD>(std::size(name));
    DWORD type = 0;
    DWORD size = 0;
    if (::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::vector<BYTE> data(size + sizeof(wchar_t));
    nameLength = static_cast<DWORD>(std::size(name));
    if (::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    values[std::wstring(name, nameLength)] = MakeValue(type, data.data(), size);
  }
  return values;
}

void ReadSubtree(HKEY key, const std::wstring& path, TRegTree& tree) {
  tree[path] = ReadValues(key);
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = static_cast<DWORD>(std::size(name));
    if (::RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY child = nullptr;
    if (::RegOpenKeyExW(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    const TTestRegKey owner(child);
    const std::wstring childName(name, nameLength);
    ReadSubtree(child, path.empty() ? childName : path + L"\\" + childName, tree);
  }
}

}  // namespace

void PrintTo(const TRegValue& value, std::ostream* os) {
  *os << "type " << value.Type << " \"";
  for (const wchar_t c : value.Data) *os << (c >= 32 && c < 127 ? static_cast<char>(c) : '?');
  *os << '"';
}

bool TRegNameLess::operator()(const std::wstring& a, const std::wstring& b) const {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_LESS_THAN;
}

TRegTree ReadRegTree(HKEY root, const std::wstring& key) {
  TRegTree tree;
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return tree;
  const TTestRegKey owner(opened);
  ReadSubtree(opened, L"", tree);
  return tree;
}

bool SameRegTree(const TRegTree& a, const TRegTree& b) {
  const TRegNameLess less;
  const auto sameName = [&less](const std::wstring& x, const std::wstring& y) { return !less(x, y) && !less(y, x); };
  const auto sameValues = [&sameName](const TRegValues& x, const TRegValues& y) {
    return std::ranges::equal(x, y, [&sameName](const auto& v, const auto& w) {
      return sameName(v.first, w.first) && v.second == w.second;
    });
  };
  return std::ranges::equal(a, b, [&](const auto& x, const auto& y) {
    return sameName(x.first, y.first) && sameValues(x.second, y.second);
  });
}

}  // namespace zarnel::test
