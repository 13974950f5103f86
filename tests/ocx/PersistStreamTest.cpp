// The object saved to and loaded from streams (IPersistStreamInit): the properties coming back in a
// new object, where the stream is left, the dirty flag, and what a container hears when the stream
// or its contents are bad.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>

#include "ClientApartment.h"
#include "ClientErrorInfo.h"
#include "ClientObject.h"
#include "FaultyStream.h"
#include "PersistedState.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

// A property record: the name as a short string, then the value's bytes.
std::string Record(const std::string& name, const std::string& value) {
  return std::string(1, static_cast<char>(name.size())) + name + value;
}
std::string Int8(int8_t value) { return std::string{'\x02', static_cast<char>(value)}; }
std::string Int16(int16_t value) {
  return std::string{'\x03', static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

// A component stream of the control class holding `records`.
std::string ControlStream(const std::string& records) {
  return std::string("TPF0\x0BTZarnel2Pro\x00", 17) + records + std::string(2, '\0');
}

HRESULT LoadFrom(IZarnelX* object, IStream* stream) {
  ComPtr<IPersistStreamInit> persist;
  EXPECT_EQ(object->QueryInterface(IID_PPV_ARGS(&persist)), S_OK);
  return persist->Load(stream);
}

// Leaves error information on the thread, as an earlier failing call would.
void LeaveErrorInfo() {
  ComPtr<ICreateErrorInfo> create;
  ASSERT_EQ(::CreateErrorInfo(&create), S_OK);
  ComPtr<IErrorInfo> info;
  ASSERT_EQ(create.As(&info), S_OK);
  ASSERT_EQ(::SetErrorInfo(0, info.Get()), S_OK);
}

class PersistStream : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&persist)), S_OK); }
  void TearDown() override {
    persist.Reset();
    ClientControl::TearDown();
  }

  ComPtr<IPersistStreamInit> persist;
};

TEST_F(PersistStream, OffersStreamsStoragesAndBagsButNeitherPlainIPersistNorIPersistStream) {
  ComPtr<IPersistStorage> storage;
  ComPtr<IPersistPropertyBag> bag;
  EXPECT_EQ(object->QueryInterface(IID_PPV_ARGS(&storage)), S_OK);
  EXPECT_EQ(object->QueryInterface(IID_PPV_ARGS(&bag)), S_OK);
  IUnknown* refused = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(object->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&refused)), E_NOINTERFACE);
  EXPECT_EQ(refused, nullptr);
  refused = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(object->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&refused)), E_NOINTERFACE);
  EXPECT_EQ(refused, nullptr);

  for (IPersist* face : {static_cast<IPersist*>(persist.Get()), static_cast<IPersist*>(storage.Get()),
                         static_cast<IPersist*>(bag.Get())}) {
    CLSID clsid = GUID_NULL;
    EXPECT_EQ(face->GetClassID(&clsid), S_OK);
    EXPECT_TRUE(::IsEqualCLSID(clsid, CLSID_ZarnelX));
    EXPECT_EQ(face->GetClassID(nullptr), E_POINTER);
  }
}

TEST_F(PersistStream, SavedPropertiesComeBackInANewObjectWithTheStreamLeftJustAfterThem) {
  const TPersistedState saved = ChangeEveryPersistedProperty(object.Get());
  ComPtr<IStream> stream = StreamOf("HEAD");
  SeekTo(stream.Get(), 4);
  ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
  const ULONGLONG end = StreamPosition(stream.Get());
  ULONG written = 0;
  ASSERT_EQ(stream->Write("TAIL", 4, &written), S_OK);

  TClientObject loaded;
  SeekTo(stream.Get(), 4);
  ASSERT_EQ(LoadFrom(loaded.Get(), stream.Get()), S_OK);
  EXPECT_EQ(StreamPosition(stream.Get()), end) << "the bytes read ahead are given back";
  EXPECT_EQ(ReadPersistedState(loaded.Get()), saved);
  char tail[4] = {};
  ULONG read = 0;
  EXPECT_EQ(stream->Read(tail, 4, &read), S_OK);
  EXPECT_EQ(std::string(tail, read), "TAIL");
  EXPECT_EQ(loaded.Release(), 0u);
}

TEST_F(PersistStream, ANewObjectWritesItsFixedPropertiesAndNoFont) {
  ComPtr<IStream> stream = StreamOf("");
  ASSERT_EQ(persist->Save(stream.Get(), FALSE), S_OK);
  const std::string bytes = StreamBytes(stream.Get());
  EXPECT_EQ(bytes.substr(0, 17), std::string("TPF0\x0BTZarnel2Pro\x00", 17));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string(2, '\0'));
  EXPECT_NE(bytes.find("\x08Position"), std::string::npos) << "a position is always written";
  EXPECT_EQ(bytes.find("Font."), std::string::npos) << "the font follows the container until one is set";
  // Writing is not changing: the same object saves the same bytes again.
  ComPtr<IStream> again = StreamOf("");
  ASSERT_EQ(persist->Save(again.Get(), TRUE), S_OK);
  EXPECT_EQ(StreamBytes(again.Get()), bytes);
}

TEST_F(PersistStream, TheDirtyFlagStaysClearNoSizeIsEstimatedAndInitNewKeepsTheState) {
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  ASSERT_EQ(object->put_Position(42), S_OK);
  ASSERT_EQ(object->put_Text(nullptr), S_OK);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  ULARGE_INTEGER size{};
  EXPECT_EQ(persist->GetSizeMax(&size), E_NOTIMPL);
  EXPECT_EQ(persist->InitNew(), S_OK);
  LONG position = 0;
  ASSERT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 42);
}

TEST_F(PersistStream, AnUnknownPropertyFailsTheLoadWithTheValuesBeforeItApplied) {
  LONG positionBefore = 0;
  ASSERT_EQ(object->get_Position(&positionBefore), S_OK);
  ComPtr<IStream> stream =
      StreamOf(ControlStream(Record("Min", Int8(5)) + Record("Bogus", Int8(1)) + Record("Position", Int8(60))));
  LeaveErrorInfo();
  EXPECT_EQ(persist->Load(stream.Get()), E_UNEXPECTED);
  EXPECT_FALSE(TakeErrorInfo().Present) << "the failure's text stays inside; no stale description either";
  LONG min = 0, position = 0;
  ASSERT_EQ(object->get_Min(&min), S_OK);
  ASSERT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(min, 5);
  EXPECT_EQ(position, std::max<LONG>(positionBefore, 5)) << "nothing after the unknown name is applied";
}

TEST_F(PersistStream, MalformedStreamsFailWithTheUnexpectedError) {
  const std::string good = ControlStream(Record("Position", Int8(30)));
  for (const std::string& bad : {std::string("TPF1") + good.substr(4), good.substr(0, good.size() - 3),
                                 std::string("TPF0"), std::string(),
                                 ControlStream(Record("Position", std::string("\x06\x02" "ab", 4)))}) {
    SCOPED_TRACE(testing::PrintToString(bad));
    ComPtr<IStream> stream = StreamOf(bad);
    EXPECT_EQ(persist->Load(stream.Get()), E_UNEXPECTED);
  }
  EXPECT_EQ(persist->Load(nullptr), E_POINTER);
  EXPECT_EQ(persist->Save(nullptr, TRUE), E_POINTER);
}

TEST_F(PersistStream, AFailingStreamsOwnCodeReachesTheContainer) {
  ComPtr<IStream> saved = StreamOf("");
  ASSERT_EQ(persist->Save(saved.Get(), TRUE), S_OK);
  const std::string bytes = StreamBytes(saved.Get());

  for (ULONG after : {0UL, 10UL}) {
    ComPtr<TFaultyStream> reading = TFaultyStream::Create(StreamOf(bytes).Get());
    reading->FailReadsAfter(after, STG_E_READFAULT);
    LeaveErrorInfo();
    EXPECT_EQ(persist->Load(reading.Get()), STG_E_READFAULT) << "after " << after << " bytes";
    EXPECT_FALSE(TakeErrorInfo().Present);
    EXPECT_EQ(reading->References(), 1u);
  }
  for (ULONG after : {0UL, 20UL}) {
    ComPtr<TFaultyStream> writing = TFaultyStream::Create();
    writing->FailWritesAfter(after, STG_E_MEDIUMFULL);
    EXPECT_EQ(persist->Save(writing.Get(), TRUE), STG_E_MEDIUMFULL) << "after " << after << " bytes";
    EXPECT_EQ(writing->References(), 1u);
  }
}

TEST_F(PersistStream, LoadedValuesGoThroughTheControlsOwnRules) {
  // The range comes first, so an out-of-range position is clamped against the loaded range.
  ComPtr<IStream> stream = StreamOf(ControlStream(Record("Max", Int8(50)) + Record("Position", Int8(80))));
  ASSERT_EQ(persist->Load(stream.Get()), S_OK);
  LONG max = 0, position = 0;
  ASSERT_EQ(object->get_Max(&max), S_OK);
  ASSERT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(max, 50);
  EXPECT_EQ(position, 50);

  // An 8-bit property given a wider integer stores what an 8-bit write of it stores.
  stream = StreamOf(ControlStream(Record("RepaintStep", Int16(300))));
  ASSERT_EQ(persist->Load(stream.Get()), S_OK);
  BYTE step = 0;
  ASSERT_EQ(object->get_RepaintStep(&step), S_OK);
  EXPECT_EQ(step, 44);
}

TEST_F(PersistStream, ASavedRangeAboveTheCurrentMaxComesBackWhole) {
  // The stream holds Min before Max: 500 must not be cut to the new object's Max 100 less one.
  const std::string range = Record("Min", Int16(500)) + Record("Max", Int16(1000));
  ComPtr<IStream> stream = StreamOf(ControlStream(range + Record("Position", Int16(700))));
  ASSERT_EQ(persist->Load(stream.Get()), S_OK);
  EXPECT_EQ(RangeOf(object.Get()), (TPositionRange{500, 1000, 700}));

  // Back in a new object through a saved stream, with the position at the bottom of the range.
  ASSERT_EQ(object->put_Position(0), S_OK);
  ComPtr<IStream> saved;
  ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &saved), S_OK);
  ASSERT_EQ(persist->Save(saved.Get(), TRUE), S_OK);
  ASSERT_EQ(saved->Seek({}, STREAM_SEEK_SET, nullptr), S_OK);
  TClientObject loaded;
  ASSERT_EQ(LoadFrom(loaded.Get(), saved.Get()), S_OK);
  EXPECT_EQ(RangeOf(loaded.Get()), (TPositionRange{500, 1000, 500}));

  // A Min the document's own Max refuses is cut as any write of it would be.
  stream = StreamOf(ControlStream(Record("Min", Int16(3000)) + Record("Max", Int16(2000))));
  ASSERT_EQ(LoadFrom(loaded.Get(), stream.Get()), S_OK);
  EXPECT_EQ(RangeOf(loaded.Get()), (TPositionRange{1999, 2000, 1999}));

  // A load that fails after the range still leaves that range, as it leaves every earlier value.
  TClientObject failed;
  stream = StreamOf(ControlStream(range + Record("Bogus", Int8(1))));
  EXPECT_EQ(LoadFrom(failed.Get(), stream.Get()), E_UNEXPECTED);
  EXPECT_EQ(RangeOf(failed.Get()), (TPositionRange{500, 1000, 500}));
}

}  // namespace
}  // namespace zarnel::test
