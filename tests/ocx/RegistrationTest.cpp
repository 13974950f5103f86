// DllRegisterServer and DllUnregisterServer of the .ocx loaded by path, with this process's
// HKEY_CLASSES_ROOT redirected to a scratch key: every key and value read back with the registry API.
#include <windows.h>
// oleauto.h (LoadTypeLibEx) compiles only after windows.h.
#include <gtest/gtest.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "ClientApartment.h"
#include "OcxModule.h"
#include "RegistryReader.h"
#include "RegistryScratch.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

const std::wstring ClassKey = L"CLSID\\{EF8810BE-428E-45A4-BCC8-3E826E335078}";
const std::wstring ProgIDKey = L"ZarnelX2Pro.ZarnelX";
const std::wstring LibraryKey = L"TypeLib\\{C8D4B28F-DDE8-4D91-ADBD-5380B2D39A12}";
// Where RegisterTypeLib puts the module's path: below the platform of the library's system kind.
const std::wstring LibraryPathKey = LibraryKey + (sizeof(void*) == 8 ? L"\\2.0\\409\\win64" : L"\\2.0\\409\\win32");
const std::wstring ControlInterfaceKey = L"Interface\\{8D075B77-7AE7-40DF-82DD-E9B043D404A1}";
const std::wstring EventsInterfaceKey = L"Interface\\{DA9F3F74-38B6-466B-92CE-8E6DDF584B79}";
const std::wstring RegisteredKeys[] = {ClassKey, ProgIDKey, LibraryKey, ControlInterfaceKey, EventsInterfaceKey};

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 2];
  const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
  EXPECT_TRUE(length > 0 && length < std::size(full));
  return std::wstring(full, length);
}

std::wstring LongPath(const std::wstring& path) {
  wchar_t result[MAX_PATH * 2];
  const DWORD length = ::GetLongPathNameW(path.c_str(), result, static_cast<DWORD>(std::size(result)));
  EXPECT_TRUE(length > 0 && length < std::size(result)) << "no long form of " << path;
  return std::wstring(result, length);
}

std::wstring ShortPath(const std::wstring& path) {
  wchar_t result[MAX_PATH * 2];
  const DWORD length = ::GetShortPathNameW(path.c_str(), result, static_cast<DWORD>(std::size(result)));
  EXPECT_TRUE(length > 0 && length < std::size(result)) << "no short form of " << path;
  return std::wstring(result, length);
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\') + 1); }

// The library's flags as the type library in the module states them; RegisterTypeLib copies them.
std::wstring LibraryFlags(const std::wstring& modulePath) {
  ComPtr<ITypeLib> library;
  EXPECT_EQ(::LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, &library), S_OK);
  if (!library) return {};
  TLIBATTR* attributes = nullptr;
  EXPECT_EQ(library->GetLibAttr(&attributes), S_OK);
  if (!attributes) return {};
  const std::wstring flags = std::to_wstring(attributes->wLibFlags);
  library->ReleaseTLibAttr(attributes);
  return flags;
}

// Everything a registration of the module at longPath leaves below an empty root. inprocServer is
// what InprocServer32 must name: the long path, or its 8.3 form when the long one has a space.
TRegTree ExpectedRegistration(const std::wstring& longPath, const std::wstring& inprocServer) {
  const TRegValues noValues;
  const TRegValue libid = RegSz(L"{C8D4B28F-DDE8-4D91-ADBD-5380B2D39A12}");
  const TRegValues interfaceLibrary = {{L"", libid}, {L"Version", RegSz(L"2.0")}};
  // Dual interfaces go through the automation marshaller, dispinterfaces through the dispatch one.
  const TRegValue dualProxy = RegSz(L"{00020424-0000-0000-C000-000000000046}");
  const TRegValue dispatchProxy = RegSz(L"{00020420-0000-0000-C000-000000000046}");
  return {
      {L"", noValues},
      {L"CLSID", noValues},
      {ClassKey, {{L"", RegSz(L"ZarnelX Control")}}},
      {ClassKey + L"\\InprocServer32", {{L"", RegSz(inprocServer)}, {L"ThreadingModel", RegSz(L"Apartment")}}},
      {ClassKey + L"\\ProgID", {{L"", RegSz(L"ZarnelX2Pro.ZarnelX")}}},
      {ClassKey + L"\\Version", {{L"", RegSz(L"2.0")}}},
      {ClassKey + L"\\TypeLib", {{L"", libid}}},
      {ClassKey + L"\\MiscStatus", {{L"", RegSz(L"0")}}},
      {ClassKey + L"\\MiscStatus\\1", {{L"", RegSz(L"131473")}}},
      {ClassKey + L"\\ToolboxBitmap32", {{L"", RegSz(longPath + L",1")}}},
      {ClassKey + L"\\Control", {{L"", RegSz(L"")}}},
      {ClassKey + L"\\Verb", {{L"", RegSz(L"")}}},
      {ClassKey + L"\\Verb\\0", {{L"", RegSz(L"Properties,0,2")}}},
      {ProgIDKey, {{L"", RegSz(L"ZarnelX Control")}}},
      {ProgIDKey + L"\\Clsid", {{L"", RegSz(L"{EF8810BE-428E-45A4-BCC8-3E826E335078}")}}},
      {L"TypeLib", noValues},
      {LibraryKey, noValues},
      {LibraryKey + L"\\2.0", {{L"", RegSz(L"ZarnelX 2 PRO Library")}}},
      {LibraryKey + L"\\2.0\\409", noValues},
      {LibraryPathKey, {{L"", RegSz(longPath)}}},
      {LibraryKey + L"\\2.0\\FLAGS", {{L"", RegSz(LibraryFlags(longPath))}}},
      {LibraryKey + L"\\2.0\\HELPDIR", {{L"", RegSz(FolderOf(longPath))}}},
      {L"Interface", noValues},
      {ControlInterfaceKey, {{L"", RegSz(L"IZarnelX")}}},
      {ControlInterfaceKey + L"\\ProxyStubClsid", {{L"", dualProxy}}},
      {ControlInterfaceKey + L"\\ProxyStubClsid32", {{L"", dualProxy}}},
      {ControlInterfaceKey + L"\\TypeLib", interfaceLibrary},
      {EventsInterfaceKey, {{L"", RegSz(L"IZarnelXEvents")}}},
      {EventsInterfaceKey + L"\\ProxyStubClsid", {{L"", dispatchProxy}}},
      {EventsInterfaceKey + L"\\ProxyStubClsid32", {{L"", dispatchProxy}}},
      {EventsInterfaceKey + L"\\TypeLib", interfaceLibrary},
  };
}

// The registration of the .ocx where the build put it.
TRegTree ExpectedForBuiltOcx() {
  const std::wstring path = LongPath(FullPath(OcxPath()));
  return ExpectedRegistration(path, path.find(L' ') == std::wstring::npos ? path : ShortPath(path));
}

// Key by key and value by value, naming whatever is missing, different or unexpected.
void ExpectRegTree(const TRegTree& actual, const TRegTree& expected) {
  for (const auto& [key, values] : expected) {
    const auto found = actual.find(key);
    if (found == actual.end()) {
      ADD_FAILURE() << "missing key " << key;
      continue;
    }
    for (const auto& [name, value] : values) {
      const auto foundValue = found->second.find(name);
      if (foundValue == found->second.end())
        ADD_FAILURE() << "missing value \"" << name << "\" of key " << key;
      else
        EXPECT_EQ(foundValue->second, value) << "value \"" << name << "\" of key " << key;
    }
    for (const auto& [name, value] : found->second)
      if (!values.contains(name)) ADD_FAILURE() << "unexpected value \"" << name << "\" of key " << key;
  }
  for (const auto& [key, values] : actual)
    if (!expected.contains(key)) ADD_FAILURE() << "unexpected key " << key;
}

void CreateKey(HKEY root, const std::wstring& key, DWORD options, const std::wstring& value) {
  HKEY created = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, key.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &created, nullptr),
            ERROR_SUCCESS)
      << key;
  const TTestRegKey owner(created);
  if (value.empty()) return;
  ASSERT_EQ(::RegSetValueExW(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

// What the real HKEY_CLASSES_ROOT holds of this class while the object lives must be what it held
// when it was made: the tests write only into their scratch keys.
class TRealClassesUntouched {
 public:
  TRealClassesUntouched() : FBefore(Read()) {}
  ~TRealClassesUntouched() {
    const auto after = Read();
    for (size_t i = 0; i < std::size(RegisteredKeys); ++i) ExpectRegTree(after[i], FBefore[i]);
  }
  TRealClassesUntouched(const TRealClassesUntouched&) = delete;
  TRealClassesUntouched& operator=(const TRealClassesUntouched&) = delete;

 private:
  static std::vector<TRegTree> Read() {
    std::vector<TRegTree> trees;
    for (const auto& key : RegisteredKeys) trees.push_back(ReadRegTree(HKEY_CLASSES_ROOT, key));
    return trees;
  }

  std::vector<TRegTree> FBefore;
};

// A copy of the built .ocx in a folder of its own whose name has spaces; both go with the object.
class TOcxCopyInSpacedFolder {
 public:
  TOcxCopyInSpacedFolder() {
    wchar_t temp[MAX_PATH];
    const DWORD length = ::GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
    EXPECT_TRUE(length > 0 && length < std::size(temp));
    FFolder = LongPath(temp) + L"zarnel reg test " + std::to_wstring(::GetCurrentProcessId());
    EXPECT_TRUE(::CreateDirectoryW(FFolder.c_str(), nullptr)) << "error " << ::GetLastError();
    FPath = FFolder + L"\\ZarnelX2Pro.ocx";
    EXPECT_TRUE(::CopyFileW(OcxPath().c_str(), FPath.c_str(), TRUE)) << "error " << ::GetLastError();
  }
  ~TOcxCopyInSpacedFolder() {
    EXPECT_TRUE(::DeleteFileW(FPath.c_str()));
    EXPECT_TRUE(::RemoveDirectoryW(FFolder.c_str()));
  }
  TOcxCopyInSpacedFolder(const TOcxCopyInSpacedFolder&) = delete;
  TOcxCopyInSpacedFolder& operator=(const TOcxCopyInSpacedFolder&) = delete;

  const std::wstring& Path() const { return FPath; }

 private:
  std::wstring FFolder;
  std::wstring FPath;
};

// The prefix's real classes are compared before the scratch root is put in place and after it is gone.
class Registration : public testing::Test {
 protected:
  TRealClassesUntouched realClasses;
  TScratchClassesRoot scratch;

  TRegTree Registered() const { return ReadRegTree(scratch.Key(), L""); }
};

TEST_F(Registration, WritesEveryKeyOfTheClassLibraryAndInterfacesAsStrings) {
  const TOcxModule module;

  ASSERT_EQ(module.RegisterServer(), S_OK);

  ExpectRegTree(Registered(), ExpectedForBuiltOcx());
}

TEST_F(Registration, PathWithSpacesRegistersTheShortFormAsServerAndTheLongFormElsewhere) {
  const TOcxCopyInSpacedFolder copy;
  const std::wstring longPath = LongPath(copy.Path());
  const std::wstring shortPath = ShortPath(copy.Path());
  ASSERT_EQ(longPath, copy.Path());
  ASSERT_EQ(shortPath.find(L' '), std::wstring::npos) << shortPath;
  ASSERT_EQ(LongPath(shortPath), longPath) << "the short form names another file";
  const TOcxModule module(copy.Path());

  ASSERT_EQ(module.RegisterServer(), S_OK);

  ExpectRegTree(Registered(), ExpectedRegistration(longPath, shortPath));
}

TEST_F(Registration, RegisteringTwiceSucceedsAndLeavesTheSameKeys) {
  const TOcxModule module;
  ASSERT_EQ(module.RegisterServer(), S_OK);
  const TRegTree first = Registered();

  ASSERT_EQ(module.RegisterServer(), S_OK);

  ExpectRegTree(Registered(), first);
  ExpectRegTree(first, ExpectedForBuiltOcx());
}

TEST_F(Registration, UnregisteringRemovesEveryKeyOfTheClassAndKeepsOtherKeys) {
  const HKEY root = scratch.Key();
  CreateKey(root, L"CLSID\\{0BB0E0F5-1E64-4C4B-9A4A-6F0C1C7A2B11}\\InprocServer32", 0, L"C:\\other\\other.dll");
  CreateKey(root, L"ZarnelX2Pro.Other\\Clsid", 0, L"{0BB0E0F5-1E64-4C4B-9A4A-6F0C1C7A2B11}");
  CreateKey(root, L"TypeLib\\{5A1D3C27-44E1-4F0B-8E3C-2D9B7E6F1A40}\\1.0", 0, L"Other Library");
  CreateKey(root, LibraryKey + L"\\1.0", 0, L"ZarnelX 1 Library");  // an earlier version stays registered
  CreateKey(root, L"Interface\\{7C2E9D15-3B8A-4E6F-A1D4-9F0B2C5E8A73}", 0, L"IOther");
  const TRegTree others = Registered();
  const TOcxModule module;
  ASSERT_EQ(module.RegisterServer(), S_OK);
  ASSERT_NE(Registered(), others);

  EXPECT_EQ(module.UnregisterServer(), S_OK);

  ExpectRegTree(Registered(), others);
}

TEST_F(Registration, UnregisteringWithNothingRegisteredSucceedsAndWritesNothing) {
  const TOcxModule module;

  EXPECT_EQ(module.UnregisterServer(), S_OK);

  ExpectRegTree(Registered(), {{L"", {}}});
}

// A volatile key cannot have a lasting subkey: with MiscStatus made volatile beforehand, writing
// MiscStatus\1 fails after everything before it in the registration has been written.
TEST_F(Registration, FailingKeyWriteGivesEFailAndKeepsWhatWasWrittenBefore) {
  CreateKey(scratch.Key(), ClassKey, 0, L"");
  CreateKey(scratch.Key(), ClassKey + L"\\MiscStatus", REG_OPTION_VOLATILE, L"");
  const TOcxModule module;

  EXPECT_EQ(module.RegisterServer(), E_FAIL);

  const TRegTree written = Registered();
  const TRegTree expected = ExpectedForBuiltOcx();
  for (const std::wstring& key :
       {ClassKey, ClassKey + L"\\InprocServer32", ClassKey + L"\\ProgID", ClassKey + L"\\Version",
        ClassKey + L"\\TypeLib", ClassKey + L"\\MiscStatus", ProgIDKey, ProgIDKey + L"\\Clsid", LibraryKey + L"\\2.0",
        LibraryPathKey, ControlInterfaceKey}) {
    const auto found = written.find(key);
    ASSERT_NE(found, written.end()) << "missing key " << key;
    EXPECT_EQ(found->second, expected.at(key)) << key;
  }
  EXPECT_FALSE(written.contains(ClassKey + L"\\MiscStatus\\1"));

  // Removal cleans up a half-done registration as well.
  EXPECT_EQ(module.UnregisterServer(), S_OK);
  ExpectRegTree(Registered(), {{L"", {}}, {L"CLSID", {}}, {L"TypeLib", {}}, {L"Interface", {}}});
}

// RegisterTypeLib cannot write the library's version key below a volatile library key.
TEST_F(Registration, FailingTypeLibraryRegistrationGivesEFail) {
  CreateKey(scratch.Key(), LibraryKey, REG_OPTION_VOLATILE, L"");
  const TOcxModule module;

  EXPECT_EQ(module.RegisterServer(), E_FAIL);

  // The failure was RegisterTypeLib's own: the library's path never got written.
  EXPECT_FALSE(Registered().contains(LibraryPathKey));
}

// The object is made through the module's own factory: Wine's CoCreateInstance reads the prefix's
// classes, not this process's redirected root.
TEST_F(Registration, FactoryStillCreatesObjectsOnceRegistered) {
  const TOcxModule module;
  ASSERT_EQ(module.RegisterServer(), S_OK);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(module.GetClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), S_OK);
  ComPtr<IZarnelX> object;

  ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);

  ASSERT_NE(object, nullptr);
  long position = -1;
  EXPECT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(object.Reset(), 0u);
  factory.Reset();
  EXPECT_EQ(module.CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace zarnel::test
