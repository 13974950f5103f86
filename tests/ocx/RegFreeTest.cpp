// Registration-free use of the built .ocx: an activation context made from the sample application's
// manifest, which the build puts next to the .ocx and the control's assembly manifest, lets a client
// create the control by class and by ProgID and find its type library. reg_free_test.sh runs this in a
// Wine prefix where nothing of the control is registered; the first test proves that it is not.
#include <windows.h>
// oleauto.h and ole2.h compile only after windows.h.
#include <gtest/gtest.h>
#include <ole2.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>

#include "ClientApartment.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

const wchar_t ProgID[] = L"ZarnelX2Pro.ZarnelX";
constexpr DISPID PositionID = 221;

std::wstring SampleManifest() {
  const std::string folder = ZARNEL_MANIFEST_FOLDER;
  return std::wstring(folder.begin(), folder.end()) + L"\\ZarnelX2ProSample.exe.manifest";
}

std::wstring Text(const GUID& guid) {
  wchar_t text[40];
  EXPECT_GT(::StringFromGUID2(guid, text, 40), 0);
  return text;
}

bool HasClassesKey(const std::wstring& key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

// An activation context made from a manifest file; activated on this thread on request, and deactivated
// and released when the object goes.
class TActivationContext {
 public:
  explicit TActivationContext(const std::wstring& manifest) {
    ACTCTXW description{};
    description.cbSize = sizeof(description);
    description.lpSource = manifest.c_str();
    FContext = ::CreateActCtxW(&description);
    EXPECT_NE(FContext, INVALID_HANDLE_VALUE) << "CreateActCtxW failed with error " << ::GetLastError();
  }
  ~TActivationContext() {
    Deactivate();
    if (FContext != INVALID_HANDLE_VALUE) ::ReleaseActCtx(FContext);
  }
  TActivationContext(const TActivationContext&) = delete;
  TActivationContext& operator=(const TActivationContext&) = delete;

  bool Activate() { return FContext != INVALID_HANDLE_VALUE && ::ActivateActCtx(FContext, &FCookie); }
  void Deactivate() {
    if (!FCookie) return;
    EXPECT_TRUE(::DeactivateActCtx(0, FCookie)) << "error " << ::GetLastError();
    FCookie = 0;
  }

 private:
  HANDLE FContext = INVALID_HANDLE_VALUE;
  ULONG_PTR FCookie = 0;
};

// What a client without the context gets: no class, no ProgID, no type library.
void ExpectNothingResolves() {
  CLSID clsid = GUID_NULL;
  EXPECT_EQ(::CLSIDFromProgID(ProgID, &clsid), CO_E_CLASSSTRING);
  ComPtr<IUnknown> object;
  EXPECT_EQ(::CoCreateInstance(CLSID_ZarnelX, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
  ComPtr<ITypeLib> library;
  EXPECT_EQ(::LoadRegTypeLib(LIBID_ZarnelX2Pro, 2, 0, 0, &library), TYPE_E_LIBNOTREGISTERED);
}

HRESULT InvokePosition(IDispatch* object, WORD flags, VARIANT* argument, VARIANT* result) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{argument, argument ? &named : nullptr, argument ? 1u : 0u, argument ? 1u : 0u};
  return object->Invoke(PositionID, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

class RegistrationFree : public testing::Test {
 protected:
  TActivationContext context{SampleManifest()};
};

TEST_F(RegistrationFree, NothingOfTheControlIsRegisteredAndWithoutTheContextNothingResolves) {
  for (const std::wstring& key : {L"CLSID\\" + Text(CLSID_ZarnelX), std::wstring(ProgID),
                                  L"TypeLib\\" + Text(LIBID_ZarnelX2Pro), L"Interface\\" + Text(IID_IZarnelX)})
    EXPECT_FALSE(HasClassesKey(key)) << "HKEY_CLASSES_ROOT\\" << testing::PrintToString(key) << " exists";

  ExpectNothingResolves();
}

TEST_F(RegistrationFree, CreatesTheControlByClassAndDrivesItThroughItsVtable) {
  ASSERT_TRUE(context.Activate()) << "error " << ::GetLastError();
  ComPtr<IZarnelX> control;

  ASSERT_EQ(::CoCreateInstance(CLSID_ZarnelX, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)), S_OK);

  EXPECT_EQ(control->put_Position(57), S_OK);
  long position = -1;
  EXPECT_EQ(control->get_Position(&position), S_OK);
  EXPECT_EQ(position, 57);
}

// Like Windows, Wine answers a ProgID from a manifest with a CLSID it generates for the context, which
// creates the class the manifest names: the object itself tells which class it is.
TEST_F(RegistrationFree, ResolvesTheProgIDAndDrivesTheControlThroughIDispatch) {
  ASSERT_TRUE(context.Activate()) << "error " << ::GetLastError();
  CLSID clsid = GUID_NULL;
  ASSERT_EQ(::CLSIDFromProgID(ProgID, &clsid), S_OK);
  ASSERT_FALSE(::IsEqualCLSID(clsid, GUID_NULL));
  ComPtr<IDispatch> object;
  ASSERT_EQ(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object)), S_OK);
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(object.As(&persist), S_OK);
  CLSID created = GUID_NULL;
  EXPECT_EQ(persist->GetClassID(&created), S_OK);
  EXPECT_TRUE(::IsEqualCLSID(created, CLSID_ZarnelX)) << testing::PrintToString(Text(created));
  LPOLESTR name = const_cast<LPOLESTR>(L"Position");
  DISPID id = DISPID_UNKNOWN;
  ASSERT_EQ(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  EXPECT_EQ(id, PositionID);
  VARIANT value;
  ::VariantInit(&value);
  V_VT(&value) = VT_I4;
  V_I4(&value) = 33;

  ASSERT_EQ(InvokePosition(object.Get(), DISPATCH_PROPERTYPUT, &value, nullptr), S_OK);

  VARIANT result;
  ::VariantInit(&result);
  ASSERT_EQ(InvokePosition(object.Get(), DISPATCH_PROPERTYGET, nullptr, &result), S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 33);
  ComPtr<IZarnelX> control;
  ASSERT_EQ(object.As(&control), S_OK);
  long position = -1;
  EXPECT_EQ(control->get_Position(&position), S_OK);
  EXPECT_EQ(position, 33);
}

TEST_F(RegistrationFree, FindsTheTypeLibraryThroughTheContext) {
  ASSERT_TRUE(context.Activate()) << "error " << ::GetLastError();
  ComPtr<ITypeLib> library;

  ASSERT_EQ(::LoadRegTypeLib(LIBID_ZarnelX2Pro, 2, 0, 0, &library), S_OK);

  ComPtr<ITypeInfo> control;
  EXPECT_EQ(library->GetTypeInfoOfGuid(CLSID_ZarnelX, &control), S_OK);
}

// The manifest's named flags must be the very flags the control reports, for the content aspect only.
TEST_F(RegistrationFree, TheManifestsMiscStatusIsTheControlsOwn) {
  ASSERT_TRUE(context.Activate()) << "error " << ::GetLastError();
  ComPtr<IOleObject> control;
  ASSERT_EQ(::CoCreateInstance(CLSID_ZarnelX, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)), S_OK);
  DWORD own = 0;
  ASSERT_EQ(control->GetMiscStatus(DVASPECT_CONTENT, &own), S_OK);
  ASSERT_NE(own, 0u);

  DWORD content = 0;
  EXPECT_EQ(::OleRegGetMiscStatus(CLSID_ZarnelX, DVASPECT_CONTENT, &content), S_OK);
  DWORD icon = ~0u;
  EXPECT_EQ(::OleRegGetMiscStatus(CLSID_ZarnelX, DVASPECT_ICON, &icon), S_OK);

  EXPECT_EQ(content, own);
  EXPECT_EQ(icon, 0u);
}

TEST_F(RegistrationFree, AfterDeactivationNothingResolvesAndMadeObjectsStillWork) {
  ASSERT_TRUE(context.Activate()) << "error " << ::GetLastError();
  ComPtr<IZarnelX> control;
  ASSERT_EQ(::CoCreateInstance(CLSID_ZarnelX, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)), S_OK);

  context.Deactivate();

  ExpectNothingResolves();
  EXPECT_EQ(control->put_Position(80), S_OK);
  long position = -1;
  EXPECT_EQ(control->get_Position(&position), S_OK);
  EXPECT_EQ(position, 80);
}

}  // namespace
}  // namespace zarnel::test
