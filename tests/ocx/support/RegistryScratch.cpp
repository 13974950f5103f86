#include "RegistryScratch.h"

#include <gtest/gtest.h>

namespace zarnel::test {
namespace {

const wchar_t ScratchParent[] = L"Software\\ZarnelX2ProTests";

// Unique per process and per instance, so that no run ever finds another's leftovers.
std::wstring NewScratchPath() {
  static unsigned serial = 0;
  return std::wstring(ScratchParent) + L"\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
         std::to_wstring(++serial);
}

}  // namespace

TScratchRoot::TScratchRoot(HKEY predefined) : FPredefined(predefined), FPath(NewScratchPath()) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LSTATUS created = ::RegCreateKeyExW(HKEY_CURRENT_USER, FPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            KEY_ALL_ACCESS, nullptr, &key, &disposition);
  FKey.reset(key);
  EXPECT_EQ(created, ERROR_SUCCESS) << "cannot create the scratch key";
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY)) << "the scratch key was there already";
  EXPECT_EQ(::RegOverridePredefKey(FPredefined, key), ERROR_SUCCESS) << "cannot redirect the predefined key";
}

TScratchRoot::~TScratchRoot() {
  EXPECT_EQ(::RegOverridePredefKey(FPredefined, nullptr), ERROR_SUCCESS);
  FKey.reset();
  EXPECT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, FPath.c_str()), ERROR_SUCCESS);
  // The parent goes too once no other run has a key under it; while one has, this fails harmlessly.
  ::RegDeleteKeyW(HKEY_CURRENT_USER, ScratchParent);
}

void TScratchRoot::Put(const std::wstring& key, const std::wstring& value, DWORD options) const {
  HKEY created = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(FKey.get(), key.c_str(), 0, nullptr, options, KEY_WRITE, nullptr, &created, nullptr),
            ERROR_SUCCESS)
      << key;
  const TTestRegKey owner(created);
  const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(::RegSetKeyValueW(created, nullptr, nullptr, REG_SZ, value.c_str(), size), ERROR_SUCCESS) << key;
}

}  // namespace zarnel::test
