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

TScratchClassesRoot::TScratchClassesRoot() : FPath(NewScratchPath()) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LSTATUS created = ::RegCreateKeyExW(HKEY_CURRENT_USER, FPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            KEY_ALL_ACCESS, nullptr, &key, &disposition);
  FKey.reset(key);
  EXPECT_EQ(created, ERROR_SUCCESS) << "cannot create the scratch key";
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY)) << "the scratch key was there already";
  EXPECT_EQ(::RegOverridePredefKey(HKEY_CLASSES_ROOT, key), ERROR_SUCCESS) << "cannot redirect HKEY_CLASSES_ROOT";
}

TScratchClassesRoot::~TScratchClassesRoot() {
  EXPECT_EQ(::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr), ERROR_SUCCESS);
  FKey.reset();
  EXPECT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, FPath.c_str()), ERROR_SUCCESS);
  // The parent goes too once no other run has a key under it; while one has, this fails harmlessly.
  ::RegDeleteKeyW(HKEY_CURRENT_USER, ScratchParent);
}

}  // namespace zarnel::test
