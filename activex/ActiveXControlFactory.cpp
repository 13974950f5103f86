#include "ActiveXControlFactory.h"

#include <oleauto.h>

#include "Bstr.h"
#include "ComServer.h"
#include "FrameworkError.h"
#include "OleError.h"
#include "Registry.h"

namespace zarnel {
namespace {

// The registered verb: number, name, menu flags and attributes.
struct TControlVerb {
  int Number;
  const wchar_t* Name;
  int MenuFlags;
  int Attributes;
};

constexpr TControlVerb PrimaryVerb{0, L"Properties", 0, OLEVERBATTRIB_ONCONTAINERMENU};

std::wstring Decimal(long value) { return std::to_wstring(value); }

// The type attributes of an interface or class, given back when they go.
class TTypeAttr {
 public:
  explicit TTypeAttr(ITypeInfo* info) : FInfo(info) { OleCheck(info->GetTypeAttr(&FAttr)); }
  ~TTypeAttr() { FInfo->ReleaseTypeAttr(FAttr); }
  TTypeAttr(const TTypeAttr&) = delete;
  TTypeAttr& operator=(const TTypeAttr&) = delete;
  const TYPEATTR* operator->() const { return FAttr; }

 private:
  ITypeInfo* FInfo;
  TYPEATTR* FAttr = nullptr;
};

}  // namespace

TActiveXControlFactory::TActiveXControlFactory(TComServer& server, const CLSID& classID, const IID& dispatchInterface,
                                               std::string objectClassName, TObjectCreator createObject, TControlCreator createControl,
                                               int toolboxBitmapID, DWORD miscStatus)
    : TComObjectFactory(server, classID),
      FDispatchInterface(dispatchInterface),
      FObjectClassName(std::move(objectClassName)),
      FCreateObject(createObject),
      FCreateControl(createControl),
      FToolboxBitmapID(toolboxBitmapID),
      FMiscStatus(miscStatus) {
  ReadTypeInformation();
}

void TActiveXControlFactory::ReadTypeInformation() {
  ITypeLib* typeLib = Server().TypeLib();
  Microsoft::WRL::ComPtr<ITypeInfo> classInfo;
  if (FAILED(typeLib->GetTypeInfoOfGuid(ClassID(), &classInfo)))
    throw EFrameworkError(FormatText("Type information missing for class %s", {FObjectClassName}));
  TBstr name, description;
  OleCheck(classInfo->GetDocumentation(MEMBERID_NIL, name.put(), description.put(), nullptr, nullptr));
  SetNames(std::wstring(name.get(), ::SysStringLen(name.get())),
           std::wstring(description.get(), ::SysStringLen(description.get())));

  const TTypeAttr classAttr(classInfo.Get());
  for (UINT i = 0; i < classAttr->cImplTypes; ++i) {
    INT flags = 0;
    if (FAILED(classInfo->GetImplTypeFlags(i, &flags)) || !(flags & IMPLTYPEFLAG_FDEFAULT)) continue;
    HREFTYPE ref = 0;
    Microsoft::WRL::ComPtr<ITypeInfo> info;
    OleCheck(classInfo->GetRefTypeOfImplType(i, &ref));
    OleCheck(classInfo->GetRefTypeInfo(ref, &info));
    const TTypeAttr attr(info.Get());
    if (flags & IMPLTYPEFLAG_FSOURCE)
      FEventInterface = attr->guid;
    else
      FDispatchTypeInfo = info;
  }
  if (!FDispatchTypeInfo)
    throw EFrameworkError(FormatText("Incorrect type information for class %s", {FObjectClassName}));
  if (!::IsEqualIID(TTypeAttr(FDispatchTypeInfo.Get())->guid, FDispatchInterface))
    throw EFrameworkError(FormatText("Dispatch interface missing from class %s", {FObjectClassName}));

  TLIBATTR* libAttr = nullptr;
  OleCheck(typeLib->GetLibAttr(&libAttr));
  FTypeLibID = libAttr->guid;
  FMajorVersion = libAttr->wMajorVerNum;
  FMinorVersion = libAttr->wMinorVerNum;
  typeLib->ReleaseTLibAttr(libAttr);
}

void TActiveXControlFactory::UpdateRegistry(HKEY root, bool registering) {
  const std::wstring classKey = ClassKey();
  const std::wstring verbKey = classKey + L"\\Verb";
  const std::wstring verbNumber = Decimal(PrimaryVerb.Number);
  if (registering) {
    TComObjectFactory::UpdateRegistry(root, true);
    CreateRegKey(root, classKey + L"\\Version", L"", Decimal(FMajorVersion) + L"." + Decimal(FMinorVersion));
    CreateRegKey(root, classKey + L"\\TypeLib", L"", GuidToString(FTypeLibID));
    CreateRegKey(root, classKey + L"\\MiscStatus", L"", L"0");
    CreateRegKey(root, classKey + L"\\MiscStatus\\1", L"", Decimal(static_cast<long>(FMiscStatus)));
    CreateRegKey(root, classKey + L"\\ToolboxBitmap32", L"",
                 Server().ServerFileName() + L"," + Decimal(FToolboxBitmapID));
    CreateRegKey(root, classKey + L"\\Control", L"", L"");
    CreateRegKey(root, verbKey, L"", L"");
    CreateRegKey(root, verbKey + L"\\" + verbNumber, L"",
                 std::wstring(PrimaryVerb.Name) + L"," + Decimal(PrimaryVerb.MenuFlags) + L"," +
                     Decimal(PrimaryVerb.Attributes));
  } else {
    DeleteRegKey(root, verbKey + L"\\" + verbNumber);
    DeleteRegKey(root, verbKey);
    DeleteRegKey(root, classKey + L"\\Control");
    DeleteRegKey(root, classKey + L"\\ToolboxBitmap32");
    DeleteRegKey(root, classKey + L"\\MiscStatus\\1");
    DeleteRegKey(root, classKey + L"\\MiscStatus");
    DeleteRegKey(root, classKey + L"\\TypeLib");
    DeleteRegKey(root, classKey + L"\\Version");
    TComObjectFactory::UpdateRegistry(root, false);
  }
}

}  // namespace zarnel
