// The object saved to and loaded from property bags (IPersistPropertyBag) kept the way script hosts
// keep <param> values: the entries it writes, in which order and of which types; a round trip; what
// a bag holding some entries, entries of the wrong kind, or an abort does to a load.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "ClientApartment.h"
#include "ClientErrorInfo.h"
#include "ClientFont.h"
#include "ClientObject.h"
#include "MemoryPropertyBag.h"
#include "PersistedState.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

struct TExpectedEntry {
  const wchar_t* Name;
  VARTYPE Type;
};

// The read-write properties of the automation interface, in its order, with the types a property
// get gives through the type library (OLE_COLOR being an unsigned 32-bit alias).
const std::vector<TExpectedEntry> ExpectedEntries{
    {L"RepaintStepOffset", VT_UI1}, {L"RepaintStep", VT_UI1},   {L"TransparentColor", VT_BOOL},
    {L"TransparentColorValue", VT_UI4}, {L"ColorLeft", VT_UI4}, {L"ColorRight", VT_UI4},
    {L"BevelKind", VT_I4},          {L"BevelOuter", VT_I4},     {L"BevelInner", VT_I4},
    {L"BorderWidth", VT_I4},        {L"Enabled", VT_BOOL},      {L"Font", VT_DISPATCH},
    {L"FontColorLeft", VT_UI4},     {L"FontColorRight", VT_UI4}, {L"Min", VT_I4},
    {L"Max", VT_I4},                {L"Position", VT_I4},       {L"ShowText", VT_BOOL},
    {L"Text", VT_BSTR},             {L"Visible", VT_BOOL},      {L"WrapExceeded", VT_BOOL},
    {L"DoubleBuffered", VT_BOOL},
};

std::vector<std::wstring> ExpectedNames() {
  std::vector<std::wstring> names;
  for (const TExpectedEntry& entry : ExpectedEntries) names.emplace_back(entry.Name);
  return names;
}

VARIANT Long(LONG value) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

class PropertyBag : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&persist)), S_OK); }
  void TearDown() override {
    persist.Reset();
    EXPECT_EQ(bag->References(), 1u) << "the object keeps no reference to the bag";
    bag.Reset();
    ClientControl::TearDown();
  }

  void PutText(const std::wstring& name, const wchar_t* text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = ::SysAllocString(text);
    bag->Put(name, v);
    ::VariantClear(&v);
  }

  // The bag holds the font object itself, as a host holds an object parameter.
  void PutFont(IFontDisp* font) {
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = font;
    bag->Put(L"Font", v);
  }

  ComPtr<IPersistPropertyBag> persist;
  ComPtr<TMemoryPropertyBag> bag = TMemoryPropertyBag::Create();
};

TEST_F(PropertyBag, SaveWritesEveryReadWritePropertyInInterfaceOrderWithItsAutomationType) {
  ASSERT_EQ(object->put_Position(57), S_OK);
  ASSERT_EQ(persist->Save(bag.Get(), TRUE, FALSE), S_OK);
  EXPECT_EQ(bag->Writes(), ExpectedNames()) << "read-only members and methods are left out";
  for (const TExpectedEntry& entry : ExpectedEntries) {
    const VARIANT* value = bag->Find(entry.Name);
    ASSERT_NE(value, nullptr) << testing::PrintToString(std::wstring(entry.Name));
    EXPECT_EQ(value->vt, entry.Type) << testing::PrintToString(std::wstring(entry.Name));
  }
  EXPECT_EQ(bag->Find(L"Position")->lVal, 57);
  ComPtr<IFontDisp> font;
  EXPECT_EQ(bag->Find(L"Font")->pdispVal->QueryInterface(IID_PPV_ARGS(&font)), S_OK);
}

TEST_F(PropertyBag, EveryPropertyComesBackInANewObjectTheHiddenDoubleBufferedToo) {
  const TPersistedState saved = ChangeEveryPersistedProperty(object.Get());
  ASSERT_EQ(object->put_DoubleBuffered(VARIANT_TRUE), S_OK);
  ASSERT_EQ(persist->Save(bag.Get(), FALSE, TRUE), S_OK);

  TClientObject loaded;
  ComPtr<IPersistPropertyBag> loadedPersist;
  ASSERT_EQ(loaded->QueryInterface(IID_PPV_ARGS(&loadedPersist)), S_OK);
  ASSERT_EQ(loadedPersist->InitNew(), S_OK);
  ASSERT_EQ(loadedPersist->Load(bag.Get(), nullptr), S_OK);
  EXPECT_EQ(ReadPersistedState(loaded.Get()), saved);
  VARIANT_BOOL doubleBuffered = VARIANT_FALSE;
  ASSERT_EQ(loaded->get_DoubleBuffered(&doubleBuffered), S_OK);
  EXPECT_EQ(doubleBuffered, VARIANT_TRUE);
  bag->Clear();  // the first object's font, held by the bag, goes before the objects are checked
  loadedPersist.Reset();
  EXPECT_EQ(loaded.Release(), 0u);
}

TEST_F(PropertyBag, ABagHoldingOnlyThePositionSetsOnlyThePosition) {
  const TPersistedState before = ReadPersistedState(object.Get());
  bag->Put(L"position", Long(33));  // hosts match names without regard to case
  ASSERT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  EXPECT_EQ(bag->Reads(), ExpectedNames()) << "every entry is asked for, in order";
  TPersistedState expected = before;
  expected.Position = 33;
  EXPECT_EQ(ReadPersistedState(object.Get()), expected);
}

TEST_F(PropertyBag, ARangeAboveTheCurrentMaxComesBackWholeAndAMinAloneIsCutAsAnyWrite) {
  bag->Put(L"Min", Long(500));
  bag->Put(L"Max", Long(1000));
  bag->Put(L"Position", Long(700));
  ASSERT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  EXPECT_EQ(RangeOf(object.Get()), (TPositionRange{500, 1000, 700}));

  // Without a Max in the bag, the object's own Max refuses the Min, as a put would.
  TClientObject alone;
  ComPtr<IPersistPropertyBag> alonePersist;
  ASSERT_EQ(alone->QueryInterface(IID_PPV_ARGS(&alonePersist)), S_OK);
  const ComPtr<TMemoryPropertyBag> minOnly = TMemoryPropertyBag::Create();
  minOnly->Put(L"Min", Long(500));
  ASSERT_EQ(alonePersist->Load(minOnly.Get(), nullptr), S_OK);
  EXPECT_EQ(RangeOf(alone.Get()), (TPositionRange{99, 100, 99}));

  // An abort after the range still leaves it, as it leaves every value read before.
  minOnly->Put(L"Max", Long(1000));
  minOnly->FailRead(L"Position", E_ABORT);
  EXPECT_EQ(alonePersist->Load(minOnly.Get(), nullptr), E_FAIL);
  EXPECT_EQ(RangeOf(alone.Get()), (TPositionRange{500, 1000, 500}));
}

TEST_F(PropertyBag, EntriesThatCannotBeConvertedOrAreRefusedAreSkipped) {
  const TPersistedState before = ReadPersistedState(object.Get());
  PutText(L"Min", L"not a number");
  PutText(L"Max", L"150");
  bag->Put(L"BevelKind", Long(9));
  VARIANT position;
  position.vt = VT_R8;
  position.dblVal = 120.4;
  bag->Put(L"Position", position);
  PutText(L"Text", L"Step ");
  ASSERT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  EXPECT_FALSE(TakeErrorInfo().Present) << "what the refused entries said is not left behind";
  const TPersistedState after = ReadPersistedState(object.Get());
  EXPECT_EQ(after.Min, before.Min);
  EXPECT_EQ(after.Max, 150);
  EXPECT_EQ(after.BevelKind, before.BevelKind);
  EXPECT_EQ(after.Position, 120);
  EXPECT_EQ(after.Text, L"Step ");
}

TEST_F(PropertyBag, AnAbortFromTheBagStopsTheLoadWhereItHappened) {
  bag->Put(L"ColorLeft", Long(0x0000FF));
  bag->Put(L"Min", Long(7));
  bag->Put(L"Position", Long(9));
  bag->FailRead(L"BevelKind", E_ABORT);
  EXPECT_EQ(persist->Load(bag.Get(), nullptr), E_FAIL);
  EXPECT_EQ(bag->Reads().back(), L"BevelKind");
  const TPersistedState after = ReadPersistedState(object.Get());
  EXPECT_EQ(after.ColorLeft, 0x0000FFu) << "entries before the abort stay applied";
  EXPECT_EQ(after.Min, 0);
  EXPECT_NE(after.Position, 9);
}

TEST_F(PropertyBag, OtherReadFailuresOnlySkipTheirEntry) {
  bag->Put(L"Min", Long(7));
  bag->Put(L"Position", Long(9));
  bag->FailRead(L"Min", E_FAIL);
  EXPECT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  const TPersistedState after = ReadPersistedState(object.Get());
  EXPECT_EQ(after.Min, 0);
  EXPECT_EQ(after.Position, 9);
}

TEST_F(PropertyBag, AFontEntryGivesTheControlThatFont) {
  ComPtr<IFontDisp> font = NewFont(L"Tahoma", Points(12));
  PutFont(font.Get());
  ASSERT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  const TPersistedState after = ReadPersistedState(object.Get());
  EXPECT_EQ(after.FontName, L"Tahoma");
  EXPECT_EQ(after.FontSize, Points(12));
}

// An automation object that is no font, counting its references.
class TPlainObject final : public IDispatch {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override {
    *ppv = nullptr;
    if (!::IsEqualIID(iid, IID_IUnknown) && !::IsEqualIID(iid, IID_IDispatch)) return E_NOINTERFACE;
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() noexcept override { return static_cast<ULONG>(++References); }
  STDMETHODIMP_(ULONG) Release() noexcept override { return static_cast<ULONG>(--References); }
  STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override {
    *info = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) noexcept override {
    return DISP_E_MEMBERNOTFOUND;
  }

  LONG References = 1;  // the test's own
};

TEST_F(PropertyBag, AnObjectThatIsNoFontIsRefusedAndNotKeptHoweverItIsGiven) {
  TPlainObject plain;
  IDispatch* held = &plain;
  VARIANT byUnknown;
  byUnknown.vt = VT_UNKNOWN;
  byUnknown.punkVal = &plain;
  VARIANT byReference;
  byReference.vt = VT_BYREF | VT_DISPATCH;
  byReference.ppdispVal = &held;
  for (const VARIANT& value : {byUnknown, byReference}) {
    bag->Put(L"Font", value);
    EXPECT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
    bag->Clear();
    EXPECT_EQ(plain.References, 1) << "vt " << value.vt;
  }
}

TEST_F(PropertyBag, AHugeFontFromTheBagStillPaintsPromptly) {
  ComPtr<IFontDisp> font = NewFont(L"Tahoma", Points(30000));
  PutFont(font.Get());
  PutText(L"Text", L"/");
  ASSERT_EQ(persist->Load(bag.Get(), nullptr), S_OK);
  bag->Clear();
  font.Reset();
  const TPixels pixels = object.Capture();  // a rasteriser asked for 40000-pixel glyphs never returns
  EXPECT_GT(pixels.Width, 0);
}

TEST_F(PropertyBag, TheBagsOwnAnswersToWritesAreNotTheObjectsConcern) {
  bag->FailWrites();
  EXPECT_EQ(persist->Save(bag.Get(), TRUE, TRUE), S_OK);
  EXPECT_EQ(bag->Writes(), ExpectedNames()) << "a refused write does not stop the others";
  EXPECT_TRUE(bag->Names().empty());
}

TEST_F(PropertyBag, ANullBagIsRefusedAndInitNewChangesNothing) {
  ASSERT_EQ(object->put_Position(61), S_OK);
  EXPECT_EQ(persist->Load(nullptr, nullptr), E_POINTER);
  EXPECT_EQ(persist->Save(nullptr, TRUE, TRUE), E_POINTER);
  EXPECT_EQ(persist->InitNew(), S_OK);
  LONG position = 0;
  ASSERT_EQ(object->get_Position(&position), S_OK);
  EXPECT_EQ(position, 61);
}

}  // namespace
}  // namespace zarnel::test
