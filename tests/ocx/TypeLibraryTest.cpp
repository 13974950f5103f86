// What containers and script hosts read from the .ocx's own resources: the type library (resource
// TYPELIB 1), the version information and the toolbox bitmap. The interface's vtable order, its
// dispatch identifiers and its types are a binary contract with every compiled client.
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OcxModule.h"
#include "ZarnelX2Pro_TLB.h"

using Microsoft::WRL::ComPtr;

namespace zarnel::test {
namespace {

struct TExpectedMember {
  DISPID Id;
  INVOKEKIND Kind;
  const wchar_t* Name;
  bool Hidden;
};

constexpr INVOKEKIND Get = INVOKE_PROPERTYGET, Put = INVOKE_PROPERTYPUT, PutRef = INVOKE_PROPERTYPUTREF,
                     Method = INVOKE_FUNC;

// In vtable order, after IUnknown and IDispatch.
const TExpectedMember ExpectedMembers[] = {
    {201, Get, L"TextW", true},
    {202, Method, L"AddPosition", false},
    {203, Method, L"LoadFromFile", false},
    {204, Method, L"ResetCustomBitMap", false},
    {205, Method, L"LoadFromResourceID", false},
    {206, Method, L"LoadFromResourceName", false},
    {207, Get, L"RepaintStepOffset", false},
    {207, Put, L"RepaintStepOffset", false},
    {208, Get, L"RepaintStep", false},
    {208, Put, L"RepaintStep", false},
    {209, Get, L"TransparentColor", false},
    {209, Put, L"TransparentColor", false},
    {210, Get, L"TransparentColorValue", false},
    {210, Put, L"TransparentColorValue", false},
    {211, Get, L"ColorLeft", false},
    {211, Put, L"ColorLeft", false},
    {212, Get, L"ColorRight", false},
    {212, Put, L"ColorRight", false},
    {213, Get, L"BevelKind", false},
    {213, Put, L"BevelKind", false},
    {214, Get, L"BevelOuter", false},
    {214, Put, L"BevelOuter", false},
    {215, Get, L"BevelInner", false},
    {215, Put, L"BevelInner", false},
    {216, Get, L"BorderWidth", false},
    {216, Put, L"BorderWidth", false},
    {-514, Get, L"Enabled", false},
    {-514, Put, L"Enabled", false},
    {-512, Get, L"Font", false},
    {-512, Put, L"Font", false},
    {-512, PutRef, L"Font", false},
    {217, Get, L"FontColorLeft", false},
    {217, Put, L"FontColorLeft", false},
    {218, Get, L"FontColorRight", false},
    {218, Put, L"FontColorRight", false},
    {219, Get, L"Min", false},
    {219, Put, L"Min", false},
    {220, Get, L"Max", false},
    {220, Put, L"Max", false},
    {221, Get, L"Position", false},
    {221, Put, L"Position", false},
    {222, Get, L"ShowText", false},
    {222, Put, L"ShowText", false},
    {-517, Get, L"Text", false},
    {-517, Put, L"Text", false},
    {223, Get, L"Visible", false},
    {223, Put, L"Visible", false},
    {224, Get, L"WrapExceeded", false},
    {224, Put, L"WrapExceeded", false},
    {225, Get, L"DoubleBuffered", true},
    {225, Put, L"DoubleBuffered", true},
    {226, Get, L"AlignDisabled", true},
    {227, Get, L"VisibleDockClientCount", true},
    {228, Method, L"DrawTextBiDiModeFlagsReadingOnly", false},
    {229, Method, L"InitiateAction", false},
    {230, Method, L"IsRightToLeft", false},
    {231, Method, L"UseRightToLeftReading", false},
    {232, Method, L"UseRightToLeftScrollBar", false},
    {233, Method, L"SetSubComponent", false},
    {-552, Method, L"AboutBox", false},
};

std::wstring Name(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
  BSTR name = nullptr;
  if (FAILED(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr))) return L"?";
  std::wstring text(name ? name : L"");
  ::SysFreeString(name);
  return text;
}

std::wstring HelpString(ITypeInfo* info) {
  BSTR help = nullptr;
  info->GetDocumentation(MEMBERID_NIL, nullptr, &help, nullptr, nullptr);
  std::wstring text(help ? help : L"");
  ::SysFreeString(help);
  return text;
}

class TypeLibrary : public testing::Test {
 protected:
  void SetUp() override { ASSERT_HRESULT_SUCCEEDED(::LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, &library)); }

  ComPtr<ITypeInfo> Info(const GUID& guid) {
    ComPtr<ITypeInfo> info;
    EXPECT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(guid, &info));
    return info;
  }
  // The vtable side of the dual interface.
  ComPtr<ITypeInfo> InterfaceInfo() {
    ComPtr<ITypeInfo> dispatch = Info(IID_IZarnelX), vtable;
    HREFTYPE ref = 0;
    EXPECT_HRESULT_SUCCEEDED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref));
    EXPECT_HRESULT_SUCCEEDED(dispatch->GetRefTypeInfo(ref, &vtable));
    return vtable;
  }
  // The type a parameter or result names through VT_USERDEFINED, following pointers.
  ComPtr<ITypeInfo> Referenced(ITypeInfo* owner, const TYPEDESC& type) {
    const TYPEDESC* t = &type;
    while (t->vt == VT_PTR) t = t->lptdesc;
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(t->vt, VT_USERDEFINED);
    if (t->vt == VT_USERDEFINED) {
      EXPECT_HRESULT_SUCCEEDED(owner->GetRefTypeInfo(t->hreftype, &info));
    }
    return info;
  }

  ComPtr<ITypeLib> library;
};

TEST_F(TypeLibrary, NamesItsLibraryClassAndInterfaces) {
  TLIBATTR* attr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library->GetLibAttr(&attr));
  EXPECT_TRUE(::IsEqualGUID(attr->guid, LIBID_ZarnelX2Pro));
  EXPECT_EQ(attr->wMajorVerNum, 2);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 1033u);
  EXPECT_EQ(attr->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);  // widl's --win32 or --win64
  library->ReleaseTLibAttr(attr);
  BSTR name = nullptr, help = nullptr;
  ASSERT_HRESULT_SUCCEEDED(library->GetDocumentation(-1, &name, &help, nullptr, nullptr));
  EXPECT_STREQ(name, L"ZarnelX2Pro");
  EXPECT_STREQ(help, L"ZarnelX 2 PRO Library");
  ::SysFreeString(name);
  ::SysFreeString(help);

  ComPtr<ITypeInfo> coclass = Info(CLSID_ZarnelX);
  EXPECT_EQ(Name(coclass.Get()), L"ZarnelX");
  EXPECT_EQ(HelpString(coclass.Get()), L"ZarnelX Control");
  TYPEATTR* classAttr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(coclass->GetTypeAttr(&classAttr));
  EXPECT_EQ(classAttr->typekind, TKIND_COCLASS);
  EXPECT_EQ(classAttr->wTypeFlags & (TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL), TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL);
  ASSERT_EQ(classAttr->cImplTypes, 2);
  coclass->ReleaseTypeAttr(classAttr);
  // One default interface and one default source, and which they are.
  for (UINT i = 0; i < 2; ++i) {
    INT flags = 0;
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> implemented;
    ASSERT_HRESULT_SUCCEEDED(coclass->GetImplTypeFlags(i, &flags));
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeOfImplType(i, &ref));
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeInfo(ref, &implemented));
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
    EXPECT_EQ(Name(implemented.Get()), (flags & IMPLTYPEFLAG_FSOURCE) ? L"IZarnelXEvents" : L"IZarnelX");
  }

  ComPtr<ITypeInfo> dual = Info(IID_IZarnelX);
  EXPECT_EQ(HelpString(dual.Get()), L"Dispatch interface for ZarnelX Control");
  TYPEATTR* dualAttr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(dual->GetTypeAttr(&dualAttr));
  const WORD dualFlags = TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE;
  EXPECT_EQ(dualAttr->wTypeFlags & dualFlags, dualFlags);
  dual->ReleaseTypeAttr(dualAttr);
  // Its vtable side is usable from every automation client.
  ComPtr<ITypeInfo> vtable = InterfaceInfo();
  TYPEATTR* vtableAttr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&vtableAttr));
  EXPECT_EQ(vtableAttr->wTypeFlags & (TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDUAL), TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDUAL);
  vtable->ReleaseTypeAttr(vtableAttr);

  ComPtr<ITypeInfo> events = Info(DIID_IZarnelXEvents);
  EXPECT_EQ(HelpString(events.Get()), L"Events interface for ZarnelX Control");
  TYPEATTR* eventAttr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(events->GetTypeAttr(&eventAttr));
  EXPECT_EQ(eventAttr->typekind, TKIND_DISPATCH);
  EXPECT_EQ(eventAttr->wTypeFlags & TYPEFLAG_FDUAL, 0);
  events->ReleaseTypeAttr(eventAttr);
}

TEST_F(TypeLibrary, LaysOutTheSixtyMembersInTheirVtableOrder) {
  ComPtr<ITypeInfo> vtable = InterfaceInfo();
  TYPEATTR* attr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(vtable->GetTypeAttr(&attr));
  EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
  const UINT functions = attr->cFuncs;
  vtable->ReleaseTypeAttr(attr);
  ASSERT_EQ(functions, std::size(ExpectedMembers));
  std::vector<const FUNCDESC*> bySlot(functions);
  for (UINT i = 0; i < functions; ++i) {
    FUNCDESC* f = nullptr;
    ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(i, &f));
    const size_t slot = f->oVft / sizeof(void*) - 7;  // after IUnknown's 3 and IDispatch's 4 entries
    ASSERT_LT(slot, functions);
    bySlot[slot] = f;
  }
  for (UINT slot = 0; slot < functions; ++slot) {
    const TExpectedMember& expected = ExpectedMembers[slot];
    const FUNCDESC* f = bySlot[slot];
    ASSERT_NE(f, nullptr) << "no member in slot " << slot;
    SCOPED_TRACE(testing::Message() << "slot " << slot);
    EXPECT_EQ(Name(vtable.Get(), f->memid), expected.Name);
    EXPECT_EQ(f->memid, expected.Id);
    EXPECT_EQ(f->invkind, expected.Kind);
    EXPECT_EQ((f->wFuncFlags & FUNCFLAG_FHIDDEN) != 0, expected.Hidden);
    EXPECT_EQ(f->elemdescFunc.tdesc.vt, VT_HRESULT);
  }
  for (const FUNCDESC* f : bySlot) vtable->ReleaseFuncDesc(const_cast<FUNCDESC*>(f));
}

TEST_F(TypeLibrary, TypesTheParametersForAutomationClients) {
  ComPtr<ITypeInfo> vtable = InterfaceInfo();
  // The last parameter of the member in a slot.
  auto lastParameter = [&](size_t slot, TYPEDESC& type) {
    FUNCDESC* f = nullptr;
    ASSERT_HRESULT_SUCCEEDED(vtable->GetFuncDesc(static_cast<UINT>(slot), &f));
    ASSERT_GT(f->cParams, 0);
    type = f->lprgelemdescParam[f->cParams - 1].tdesc;
    vtable->ReleaseFuncDesc(f);
  };
  auto slotOf = [](const wchar_t* name, INVOKEKIND kind) {
    for (size_t i = 0; i < std::size(ExpectedMembers); ++i)
      if (std::wstring(ExpectedMembers[i].Name) == name && ExpectedMembers[i].Kind == kind) return i;
    return std::size(ExpectedMembers);
  };
  // GetFuncDesc indexes by declaration, which widl keeps in vtable order.
  TYPEDESC type{};
  lastParameter(slotOf(L"RepaintStep", Put), type);
  EXPECT_EQ(type.vt, VT_UI1);
  lastParameter(slotOf(L"LoadFromResourceID", Method), type);
  EXPECT_EQ(type.vt, VT_I4);
  lastParameter(slotOf(L"Text", Put), type);
  EXPECT_EQ(type.vt, VT_BSTR);
  lastParameter(slotOf(L"ShowText", Put), type);
  EXPECT_EQ(type.vt, VT_BOOL);

  // Colours are the platform's OLE_COLOR alias, which containers recognise by its identifier.
  lastParameter(slotOf(L"ColorLeft", Put), type);
  ComPtr<ITypeInfo> color = Referenced(vtable.Get(), type);
  ASSERT_TRUE(color);
  TYPEATTR* colorAttr = nullptr;
  ASSERT_HRESULT_SUCCEEDED(color->GetTypeAttr(&colorAttr));
  EXPECT_EQ(colorAttr->typekind, TKIND_ALIAS);
  EXPECT_EQ(colorAttr->tdescAlias.vt, VT_UI4);
  const GUID oleColor{0x66504301, 0xBE0F, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
  EXPECT_TRUE(::IsEqualGUID(colorAttr->guid, oleColor));
  color->ReleaseTypeAttr(colorAttr);

  lastParameter(slotOf(L"BevelKind", Put), type);
  ComPtr<ITypeInfo> bevel = Referenced(vtable.Get(), type);
  ASSERT_TRUE(bevel);
  EXPECT_EQ(Name(bevel.Get()), L"TxBevelKind");
  lastParameter(slotOf(L"Font", Get), type);
  ComPtr<ITypeInfo> font = Referenced(vtable.Get(), type);
  ASSERT_TRUE(font);
  EXPECT_EQ(Name(font.Get()), L"IFontDisp");
}

TEST(OcxResources, CarryVersionInformationAndTheToolboxPicture) {
  const std::wstring path = OcxPath();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  const std::pair<const wchar_t*, const wchar_t*> strings[] = {
      {L"FileDescription", L"ZarnelX 2 PRO progress bar control"},
      {L"FileVersion", L"2.0.0.0"},
      {L"OriginalFilename", L"ZarnelX2Pro.ocx"},
      {L"ProductName", L"ZarnelX"},
      {L"ProductVersion", L"2.0.0.0 Pro"},
      {L"OleSelfRegister", L"1"},
  };
  for (const auto& [key, value] : strings) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904E4\\") + key;
    wchar_t* text = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) << key;
    EXPECT_STREQ(text, value) << key;
  }

  HMODULE data = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(data, nullptr);
  HRSRC bitmap = ::FindResourceW(data, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_BITMAP));
  ASSERT_NE(bitmap, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(data, bitmap)));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->biWidth, 16);
  EXPECT_EQ(header->biHeight, 15);
  EXPECT_EQ(header->biBitCount, 8);
  EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 256);
  ::FreeLibrary(data);
}

}  // namespace
}  // namespace zarnel::test
