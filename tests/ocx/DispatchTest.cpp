// The object as a late-bound client sees it: IDispatch served from the type library (names, type
// information, Invoke with its argument coercion) and the error information a failure leaves, both
// through Invoke's EXCEPINFO and through GetErrorInfo.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>
#include <wrl/client.h>

#include <string>

#include "ClientApartment.h"
#include "ClientErrorInfo.h"
#include "ClientFont.h"
#include "ClientObject.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr DISPID PositionId = 221;
constexpr DISPID RepaintStepId = 208;
constexpr DISPID BevelKindId = 213;

// A VARIANT that clears itself.
class TVariant {
 public:
  TVariant() { ::VariantInit(&FValue); }
  ~TVariant() { ::VariantClear(&FValue); }
  TVariant(const TVariant&) = delete;
  TVariant& operator=(const TVariant&) = delete;
  VARIANT* operator&() { return &FValue; }
  VARIANT& operator*() { return FValue; }

 private:
  VARIANT FValue;
};

class Dispatch : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&dispatch)), S_OK); }
  void TearDown() override {
    dispatch.Reset();
    ClientControl::TearDown();
  }

  HRESULT Put(DISPID id, VARIANT& value, EXCEPINFO* exception = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, exception,
                            nullptr);
  }
  HRESULT Get(DISPID id, VARIANT* result) {
    DISPPARAMS none{};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
  }
  LONG Position() {
    LONG value = -1;
    EXPECT_EQ(object->get_Position(&value), S_OK);
    return value;
  }

  ComPtr<IDispatch> dispatch;
};

TEST_F(Dispatch, TypeInformationIsTheDualInterfaces) {
  UINT count = 0;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);

  ComPtr<ITypeInfo> info;
  ASSERT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
  ASSERT_TRUE(info);
  BSTR name = nullptr;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(TakeBstr(name), L"IZarnelX");
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(::IsEqualGUID(attr->guid, IID_IZarnelX));
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  info->ReleaseTypeAttr(attr);

  ITypeInfo* none = reinterpret_cast<ITypeInfo*>(0xBAADF00D);
  EXPECT_EQ(dispatch->GetTypeInfo(1, LOCALE_USER_DEFAULT, &none), DISP_E_BADINDEX);
  EXPECT_EQ(none, nullptr);
}

TEST_F(Dispatch, NamesMapToTheLibrarysDispatchIdentifiers) {
  const auto idOf = [&](const wchar_t* name, HRESULT expected) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 12345;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), expected) << name;
    return id;
  };
  EXPECT_EQ(idOf(L"Position", S_OK), PositionId);
  EXPECT_EQ(idOf(L"position", S_OK), PositionId) << "names are matched regardless of case";
  EXPECT_EQ(idOf(L"Font", S_OK), DISPID_FONT);
  EXPECT_EQ(idOf(L"Enabled", S_OK), DISPID_ENABLED);
  EXPECT_EQ(idOf(L"AboutBox", S_OK), DISPID_ABOUTBOX);
  EXPECT_EQ(idOf(L"NoSuchMember", DISP_E_UNKNOWNNAME), DISPID_UNKNOWN);
}

TEST_F(Dispatch, PutsCoerceTheirArguments) {
  TVariant text;
  V_VT(&text) = VT_BSTR;
  V_BSTR(&text) = ::SysAllocString(L"57");
  EXPECT_EQ(Put(PositionId, *text), S_OK);
  EXPECT_EQ(Position(), 57);

  TVariant real;
  V_VT(&real) = VT_R8;
  V_R8(&real) = 33.7;
  EXPECT_EQ(Put(PositionId, *real), S_OK);
  EXPECT_EQ(Position(), 34);

  TVariant result;
  EXPECT_EQ(Get(PositionId, &result), S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 34);
}

// ITypeInfo::Invoke converts to the parameter's type (unsigned char) before the put runs; a value
// that does not fit stops there, and the member is never called.
TEST_F(Dispatch, ValueTooLargeForAByteOverflowsBeforeThePut) {
  TVariant wide;
  V_VT(&wide) = VT_I4;
  V_I4(&wide) = 300;
  EXPECT_EQ(Put(RepaintStepId, *wide), DISP_E_OVERFLOW);
  unsigned char step = 0xEE;
  EXPECT_EQ(object->get_RepaintStep(&step), S_OK);
  EXPECT_EQ(step, 0);

  V_I4(&wide) = 255;
  EXPECT_EQ(Put(RepaintStepId, *wide), S_OK);
  EXPECT_EQ(object->get_RepaintStep(&step), S_OK);
  EXPECT_EQ(step, 255);
}

TEST_F(Dispatch, FontPutReachesTheControl) {
  object.Show();
  LONG widthBefore = 0;
  ASSERT_EQ(object->get_TextW(&widthBefore), S_OK);
  const ComPtr<IFontDisp> font = NewFont(L"Tahoma", Points(12), FW_BOLD);
  ASSERT_TRUE(font);
  TVariant value;
  V_VT(&value) = VT_DISPATCH;
  V_DISPATCH(&value) = font.Get();
  font->AddRef();
  EXPECT_EQ(Put(DISPID_FONT, *value), S_OK);

  // The control took the very object, and its attributes: the caption is measured in the new font.
  ComPtr<IFontDisp> current;
  ASSERT_EQ(object->get_Font(&current), S_OK);
  EXPECT_EQ(current.Get(), font.Get());
  TVariant got;
  ASSERT_EQ(Get(DISPID_FONT, &got), S_OK);
  ASSERT_EQ(V_VT(&got), VT_DISPATCH);
  EXPECT_EQ(V_DISPATCH(&got), static_cast<IDispatch*>(font.Get()));
  object.Show().Settle();
  LONG width = 0;
  ASSERT_EQ(object->get_TextW(&width), S_OK);
  EXPECT_GT(width, widthBefore);
}

TEST_F(Dispatch, FailingMemberGivesAnExceptionWithItsErrorInformation) {
  TVariant value;
  V_VT(&value) = VT_I4;
  V_I4(&value) = 4;
  EXCEPINFO exception{};
  EXPECT_EQ(Put(BevelKindId, *value, &exception), DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, E_UNEXPECTED);
  EXPECT_EQ(exception.wCode, 0);
  EXPECT_EQ(TakeBstr(exception.bstrSource), L"ZarnelX2Pro.ZarnelX");
  EXPECT_EQ(TakeBstr(exception.bstrDescription), L"Invalid property value");
  EXPECT_EQ(TakeBstr(exception.bstrHelpFile), L"");
  TxBevelKind kind{};
  EXPECT_EQ(object->get_BevelKind(&kind), S_OK);
  EXPECT_EQ(kind, bkNone);
}

TEST_F(Dispatch, SupportsErrorInformationForItsOwnInterfacesOnly) {
  ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&support)), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IZarnelX), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IPersistFile), S_FALSE);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IClassFactory), S_FALSE);
}

TEST_F(Dispatch, FailingVtableCallLeavesErrorInformation) {
  ClearErrorInfo();
  EXPECT_EQ(object->put_BevelOuter(static_cast<TxBevelCut>(7)), E_UNEXPECTED);
  const TClientErrorInfo info = TakeErrorInfo();
  ASSERT_TRUE(info.Present);
  EXPECT_EQ(info.Source, L"ZarnelX2Pro.ZarnelX");
  EXPECT_TRUE(::IsEqualGUID(info.Interface, IID_IZarnelX));
  EXPECT_EQ(info.Description, L"Invalid property value");
  EXPECT_TRUE(info.HelpFile.empty());
  EXPECT_EQ(info.HelpContext, 0u);
  // GetErrorInfo hands the information over: it is gone afterwards.
  EXPECT_FALSE(TakeErrorInfo().Present);
}

}  // namespace
}  // namespace zarnel::test
