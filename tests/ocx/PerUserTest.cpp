// DllInstall(…, L"user") of the .ocx loaded by path: registration for the current user alone. Both
// HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of this process are redirected to scratch keys, so every key
// the module writes below HKCU\Software\Classes is read back with the registry API, and anything it
// wrote to HKCR (as a machine-wide type library registration would) shows up in the other scratch key.
#include <windows.h>
// oleauto.h (LoadTypeLibEx) compiles only after windows.h.
#include <gtest/gtest.h>
#include <oleauto.h>

#include <string>

#include "OcxModule.h"
#include "RegistryReader.h"
#include "RegistryScratch.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

const wchar_t UserClasses[] = L"Software\\Classes";

std::wstring Text(const GUID& guid) {
  wchar_t text[40];
  EXPECT_GT(::StringFromGUID2(guid, text, 40), 0);
  return text;
}

const std::wstring ClassKey = L"CLSID\\" + Text(CLSID_ZarnelX);
const std::wstring ProgIDKey = L"ZarnelX2Pro.ZarnelX";
const std::wstring LibraryKey = L"TypeLib\\" + Text(LIBID_ZarnelX2Pro);
const std::wstring ControlInterfaceKey = L"Interface\\" + Text(IID_IZarnelX);
const std::wstring EventsInterfaceKey = L"Interface\\" + Text(DIID_IZarnelXEvents);
// This build's platform, and the other one, whose path a registration of the other build leaves.
const wchar_t* const Platform = sizeof(void*) == 8 ? L"win64" : L"win32";
const wchar_t* const OtherPlatform = sizeof(void*) == 8 ? L"win32" : L"win64";

// The .ocx's full long path, as the module names itself.
std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = ::GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
  EXPECT_TRUE(length > 0 && length < std::size(path));
  wchar_t longPath[MAX_PATH * 2];
  const DWORD longLength = ::GetLongPathNameW(path, longPath, static_cast<DWORD>(std::size(longPath)));
  EXPECT_TRUE(longLength > 0 && longLength < std::size(longPath));
  return std::wstring(longPath, longLength);
}

class PerUserRegistration : public testing::Test {
 protected:
  TScratchClassesRoot classes;
  TScratchRoot user{HKEY_CURRENT_USER};
  TOcxModule module;

  HRESULT Install(BOOL install, LPCWSTR commandLine) const {
    const auto entry =
        reinterpret_cast<HRESULT(WINAPI*)(BOOL, LPCWSTR)>(reinterpret_cast<void*>(::GetProcAddress(module.Handle(), "DllInstall")));
    if (!entry) ADD_FAILURE() << "the .ocx does not export DllInstall";
    return entry ? entry(install, commandLine) : E_FAIL;
  }
  TRegTree UserRegistered() const { return ReadRegTree(user.Key(), UserClasses); }
  TRegTree MachineRegistered() const { return ReadRegTree(classes.Key(), L""); }
  // The scratch HKCR as it was made: one key without values.
  static TRegTree Empty() { return {{L"", {}}}; }
  // Whether the current user's classes hold any key of ours.
  bool AnyOfOursForUser() const {
    const TRegTree tree = UserRegistered();
    for (const auto& key : {ClassKey, ProgIDKey, LibraryKey, ControlInterfaceKey, EventsInterfaceKey})
      if (tree.contains(key)) return true;
    return false;
  }
};

// The platform's RegisterTypeLib run into the scratch HKCR is the reference: the per-user keys must have
// exactly the shape and values of the machine-wide ones, the type library's included.
TEST_F(PerUserRegistration, WritesTheMachineWideKeysBelowTheUsersClassesAndNothingToTheClassesRoot) {
  ASSERT_EQ(Install(TRUE, L"user"), S_OK);
  const TRegTree perUser = UserRegistered();
  EXPECT_EQ(MachineRegistered(), Empty()) << "the per-user registration wrote to HKEY_CLASSES_ROOT";

  ASSERT_EQ(module.RegisterServer(), S_OK);

  const TRegTree machineWide = MachineRegistered();
  EXPECT_TRUE(SameRegTree(perUser, machineWide))
      << "per user:\n" << testing::PrintToString(perUser) << "\nmachine-wide:\n" << testing::PrintToString(machineWide);
}

TEST_F(PerUserRegistration, NamesTheModuleTheLibraryAndTheMarshallersAsStrings) {
  const std::wstring path = ModulePath(module.Handle());
  const std::wstring folder = path.substr(0, path.rfind(L'\\') + 1);
  const TRegValue libid = RegSz(Text(LIBID_ZarnelX2Pro));
  const TRegValue automation = RegSz(L"{00020424-0000-0000-C000-000000000046}");
  const TRegValue dispatch = RegSz(L"{00020420-0000-0000-C000-000000000046}");

  ASSERT_EQ(Install(TRUE, L"user"), S_OK);

  const TRegTree tree = UserRegistered();
  const auto value = [&tree](const std::wstring& key, const std::wstring& name = L"") {
    const auto found = tree.find(key);
    if (found == tree.end() || !found->second.contains(name)) return TRegValue{};
    return found->second.at(name);
  };
  EXPECT_EQ(value(ClassKey), RegSz(L"ZarnelX Control"));
  EXPECT_EQ(value(ClassKey + L"\\InprocServer32"), RegSz(path));
  EXPECT_EQ(value(ClassKey + L"\\InprocServer32", L"ThreadingModel"), RegSz(L"Apartment"));
  EXPECT_EQ(value(ClassKey + L"\\MiscStatus\\1"), RegSz(L"131473"));
  EXPECT_EQ(value(ClassKey + L"\\ToolboxBitmap32"), RegSz(path + L",1"));
  EXPECT_EQ(value(ProgIDKey + L"\\Clsid"), RegSz(Text(CLSID_ZarnelX)));
  EXPECT_EQ(value(LibraryKey + L"\\2.0"), RegSz(L"ZarnelX 2 PRO Library"));
  EXPECT_EQ(value(LibraryKey + L"\\2.0\\409\\" + Platform), RegSz(path));
  EXPECT_EQ(value(LibraryKey + L"\\2.0\\FLAGS"), RegSz(L"8"));
  EXPECT_EQ(value(LibraryKey + L"\\2.0\\HELPDIR"), RegSz(folder));
  EXPECT_EQ(value(ControlInterfaceKey), RegSz(L"IZarnelX"));
  EXPECT_EQ(value(ControlInterfaceKey + L"\\ProxyStubClsid"), automation);
  EXPECT_EQ(value(ControlInterfaceKey + L"\\ProxyStubClsid32"), automation);
  EXPECT_EQ(value(ControlInterfaceKey + L"\\TypeLib"), libid);
  EXPECT_EQ(value(ControlInterfaceKey + L"\\TypeLib", L"Version"), RegSz(L"2.0"));
  EXPECT_EQ(value(EventsInterfaceKey), RegSz(L"IZarnelXEvents"));
  EXPECT_EQ(value(EventsInterfaceKey + L"\\ProxyStubClsid32"), dispatch);
  EXPECT_EQ(value(EventsInterfaceKey + L"\\TypeLib"), libid);
}

TEST_F(PerUserRegistration, TheCommandLineIsUserInAnyCase) {
  ASSERT_EQ(Install(TRUE, L"USER"), S_OK);
  const TRegTree upper = UserRegistered();
  ASSERT_EQ(Install(FALSE, L"User"), S_OK);
  EXPECT_FALSE(AnyOfOursForUser());

  ASSERT_EQ(Install(TRUE, L"uSeR"), S_OK);

  EXPECT_TRUE(AnyOfOursForUser());
  EXPECT_EQ(UserRegistered(), upper);
}

TEST_F(PerUserRegistration, AnyOtherCommandLineIsInvalidAndChangesNothing) {
  for (const LPCWSTR commandLine : {static_cast<LPCWSTR>(nullptr), L"", L"machine", L"users", L" user", L"user,x"}) {
    const std::wstring shown = commandLine ? commandLine : L"(null)";
    EXPECT_EQ(Install(TRUE, commandLine), E_INVALIDARG) << shown;
    EXPECT_EQ(Install(FALSE, commandLine), E_INVALIDARG) << shown;
  }
  EXPECT_FALSE(AnyOfOursForUser());
  EXPECT_EQ(MachineRegistered(), Empty());

  // A refused removal leaves a registration in place.
  ASSERT_EQ(Install(TRUE, L"user"), S_OK);
  const TRegTree registered = UserRegistered();
  EXPECT_EQ(Install(FALSE, L"machine"), E_INVALIDARG);
  EXPECT_EQ(UserRegistered(), registered);
}

TEST_F(PerUserRegistration, RegisteringTwiceSucceedsAndLeavesTheSameKeys) {
  ASSERT_EQ(Install(TRUE, L"user"), S_OK);
  const TRegTree first = UserRegistered();

  ASSERT_EQ(Install(TRUE, L"user"), S_OK);

  EXPECT_EQ(UserRegistered(), first);
}

// Other classes, another version of the library and the other platform's build of this one stay.
TEST_F(PerUserRegistration, RemovalTakesEveryKeyOfOursAndKeepsOthers) {
  const std::wstring userRoot = std::wstring(UserClasses) + L"\\";
  user.Put(userRoot + L"CLSID\\{0BB0E0F5-1E64-4C4B-9A4A-6F0C1C7A2B11}\\InprocServer32", L"C:\\other\\other.dll");
  user.Put(userRoot + LibraryKey + L"\\1.0", L"ZarnelX 1 Library");
  user.Put(userRoot + L"Interface\\{7C2E9D15-3B8A-4E6F-A1D4-9F0B2C5E8A73}", L"IOther");
  const TRegTree others = UserRegistered();
  ASSERT_EQ(Install(TRUE, L"user"), S_OK);
  ASSERT_TRUE(AnyOfOursForUser());

  EXPECT_EQ(Install(FALSE, L"user"), S_OK);

  EXPECT_EQ(UserRegistered(), others);
  EXPECT_EQ(MachineRegistered(), Empty());
}

TEST_F(PerUserRegistration, RemovalKeepsTheLibraryVersionWhileTheOtherPlatformIsRegistered) {
  const std::wstring versionKey = std::wstring(UserClasses) + L"\\" + LibraryKey + L"\\2.0";
  ASSERT_EQ(Install(TRUE, L"user"), S_OK);
  user.Put(versionKey + L"\\409\\" + OtherPlatform, L"C:\\other build\\ZarnelX2Pro.ocx");

  EXPECT_EQ(Install(FALSE, L"user"), S_OK);

  const TRegTree library = ReadRegTree(user.Key(), versionKey);
  EXPECT_TRUE(library.contains(L"FLAGS"));
  EXPECT_TRUE(library.contains(L"HELPDIR"));
  EXPECT_TRUE(library.contains(std::wstring(L"409\\") + OtherPlatform));
  EXPECT_FALSE(library.contains(std::wstring(L"409\\") + Platform));
  EXPECT_FALSE(UserRegistered().contains(ClassKey));
}

TEST_F(PerUserRegistration, RemovalWithNothingRegisteredSucceedsAndWritesNothing) {
  EXPECT_EQ(Install(FALSE, L"user"), S_OK);

  EXPECT_EQ(ReadRegTree(user.Key(), L""), Empty());
  EXPECT_EQ(MachineRegistered(), Empty());
}

// A volatile key cannot have a lasting subkey: with the library's key made volatile beforehand, the
// very first write of the registration fails.
TEST_F(PerUserRegistration, FailingKeyWriteGivesEFail) {
  user.Put(std::wstring(UserClasses) + L"\\" + LibraryKey, L"", REG_OPTION_VOLATILE);

  EXPECT_EQ(Install(TRUE, L"user"), E_FAIL);

  EXPECT_FALSE(UserRegistered().contains(ClassKey));
}

}  // namespace
}  // namespace zarnel::test
