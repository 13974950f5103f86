// The object in compound files (IPersistStorage): its stream inside a storage on disk, the platform's
// own OleSave and OleLoad creating it from the class identifier the file records, and the codes a
// container hears when the storage cannot give or take the stream.
#include <gtest/gtest.h>
#include <ole2.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "ClientApartment.h"
#include "ClientObject.h"
#include "PersistedState.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr DWORD CreateMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr DWORD ReadMode = STGM_READ | STGM_SHARE_EXCLUSIVE;

// A compound file in the temporary folder, deleted when the test ends.
class TScratchFile {
 public:
  TScratchFile() {
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"zx", 0, path);
    FPath = path;
  }
  ~TScratchFile() { ::DeleteFileW(FPath.c_str()); }
  const wchar_t* Path() const { return FPath.c_str(); }

  ComPtr<IStorage> Create() const {
    ComPtr<IStorage> storage;
    EXPECT_EQ(::StgCreateDocfile(Path(), CreateMode, 0, &storage), S_OK);
    return storage;
  }
  ComPtr<IStorage> Open(DWORD mode = ReadMode) const {
    ComPtr<IStorage> storage;
    EXPECT_EQ(::StgOpenStorage(Path(), nullptr, mode, nullptr, 0, &storage), S_OK);
    return storage;
  }

 private:
  std::wstring FPath;
};

// The names of the elements directly inside the storage.
std::vector<std::wstring> ElementNames(IStorage* storage) {
  ComPtr<IEnumSTATSTG> elements;
  EXPECT_EQ(storage->EnumElements(0, nullptr, 0, &elements), S_OK);
  std::vector<std::wstring> names;
  STATSTG element;
  while (elements && elements->Next(1, &element, nullptr) == S_OK) {
    names.emplace_back(element.pwcsName);
    ::CoTaskMemFree(element.pwcsName);
  }
  return names;
}

// The class object registered with COM for the test, so that the platform creates objects of the
// class from the file's class identifier without a registry entry.
class TRegisteredClass {
 public:
  TRegisteredClass() {
    EXPECT_EQ(::CoRegisterClassObject(CLSID_ZarnelX, ControlFactory().Get(), CLSCTX_INPROC_SERVER,
                                      REGCLS_MULTIPLEUSE, &FCookie),
              S_OK);
  }
  ~TRegisteredClass() { ::CoRevokeClassObject(FCookie); }

 private:
  DWORD FCookie = 0;
};

class PersistStorage : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&persist)), S_OK); }
  void TearDown() override {
    persist.Reset();
    ClientControl::TearDown();
  }

  // What IPersistStreamInit writes for the object.
  std::string StreamSave() {
    ComPtr<IPersistStreamInit> streamPersist;
    EXPECT_EQ(object->QueryInterface(IID_PPV_ARGS(&streamPersist)), S_OK);
    ComPtr<IStream> stream = StreamOf("");
    EXPECT_EQ(streamPersist->Save(stream.Get(), FALSE), S_OK);
    return StreamBytes(stream.Get());
  }

  TScratchFile file;
  ComPtr<IPersistStorage> persist;
};

TEST_F(PersistStorage, AFileOnDiskHoldsTheComponentStreamUnderItsNameAndLoadsIntoANewObject) {
  const TPersistedState saved = ChangeEveryPersistedProperty(object.Get());
  {
    ComPtr<IStorage> storage = file.Create();
    ASSERT_EQ(persist->Save(storage.Get(), FALSE), S_OK);
    ASSERT_EQ(persist->SaveCompleted(nullptr), S_OK);
    ASSERT_EQ(storage->Commit(STGC_DEFAULT), S_OK);
  }
  ComPtr<IStorage> storage = file.Open();
  ASSERT_EQ(ElementNames(storage.Get()), std::vector<std::wstring>{L"CONTROLSAVESTREAM"});
  ComPtr<IStream> stream;
  ASSERT_EQ(storage->OpenStream(L"CONTROLSAVESTREAM", nullptr, ReadMode, 0, &stream), S_OK);
  EXPECT_EQ(StreamBytes(stream.Get()), StreamSave()) << "the same bytes as a stream save";
  stream.Reset();

  TClientObject loaded;
  ComPtr<IPersistStorage> loadedPersist;
  ASSERT_EQ(loaded->QueryInterface(IID_PPV_ARGS(&loadedPersist)), S_OK);
  ASSERT_EQ(loadedPersist->Load(storage.Get()), S_OK);
  EXPECT_EQ(ReadPersistedState(loaded.Get()), saved);
  EXPECT_EQ(loadedPersist->IsDirty(), S_FALSE);
  loadedPersist.Reset();
  EXPECT_EQ(loaded.Release(), 0u);
}

TEST_F(PersistStorage, ThePlatformsOleSaveAndOleLoadRecreateTheObjectFromTheFile) {
  const TPersistedState saved = ChangeEveryPersistedProperty(object.Get());
  const TRegisteredClass registered;
  {
    ComPtr<IStorage> storage = file.Create();
    ASSERT_EQ(::OleSave(persist.Get(), storage.Get(), FALSE), S_OK);
    ASSERT_EQ(persist->SaveCompleted(nullptr), S_OK);
    ASSERT_EQ(storage->Commit(STGC_DEFAULT), S_OK);
  }
  ComPtr<IStorage> storage = file.Open();
  CLSID recorded = GUID_NULL;
  ASSERT_EQ(::ReadClassStg(storage.Get(), &recorded), S_OK);
  EXPECT_TRUE(::IsEqualCLSID(recorded, CLSID_ZarnelX));

  ComPtr<IZarnelX> loaded;
  ASSERT_EQ(::OleLoad(storage.Get(), IID_IZarnelX, nullptr, reinterpret_cast<void**>(loaded.GetAddressOf())), S_OK);
  EXPECT_EQ(ReadPersistedState(loaded.Get()), saved);
  EXPECT_EQ(loaded.Reset(), 0u) << "OleLoad keeps no reference of its own";
}

TEST_F(PersistStorage, TheStoragesOwnCodesReachTheContainer) {
  ComPtr<IStorage> empty = file.Create();
  EXPECT_EQ(persist->Load(empty.Get()), STG_E_FILENOTFOUND) << "a storage without the control's stream";
  ASSERT_EQ(empty->Commit(STGC_DEFAULT), S_OK);
  empty.Reset();

  ComPtr<IStorage> readOnly = file.Open();
  const HRESULT hr = persist->Save(readOnly.Get(), TRUE);
  EXPECT_TRUE(hr == STG_E_ACCESSDENIED || hr == STG_E_INVALIDFLAG) << std::hex << hr;

  EXPECT_EQ(persist->Load(nullptr), E_POINTER);
  EXPECT_EQ(persist->Save(nullptr, TRUE), E_POINTER);
}

TEST_F(PersistStorage, NewInitialisationKeepsTheStateAndTheObjectHoldsNoStorage) {
  ASSERT_EQ(object->put_Position(64), S_OK);
  ComPtr<IStorage> storage = file.Create();
  const ULONG references = storage->AddRef() - 1;
  storage->Release();
  EXPECT_EQ(persist->InitNew(storage.Get()), S_OK);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  EXPECT_EQ(persist->HandsOffStorage(), S_OK);
  EXPECT_EQ(persist->SaveCompleted(storage.Get()), S_OK);
  EXPECT_EQ(storage->AddRef() - 1, references) << "the storage is not kept";
  storage->Release();
  LONG position = 0;
  ASSERT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 64);
}

}  // namespace
}  // namespace zarnel::test
