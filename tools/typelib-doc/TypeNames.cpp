#include "TypeNames.h"

#include <wrl/client.h>

namespace zarnel::typelibdoc {
namespace {

const wchar_t* BaseTypeName(VARTYPE type) {
  switch (type) {
    case VT_I1: return L"char";
    case VT_UI1: return L"unsigned char";
    case VT_I2: return L"short";
    case VT_UI2: return L"unsigned short";
    case VT_I4: return L"long";
    case VT_UI4: return L"unsigned long";
    case VT_INT: return L"int";
    case VT_UINT: return L"unsigned int";
    case VT_I8: return L"hyper";
    case VT_UI8: return L"unsigned hyper";
    case VT_R4: return L"float";
    case VT_R8: return L"double";
    case VT_CY: return L"CURRENCY";
    case VT_DATE: return L"DATE";
    case VT_BSTR: return L"BSTR";
    case VT_DISPATCH: return L"IDispatch*";
    case VT_ERROR: return L"SCODE";
    case VT_BOOL: return L"VARIANT_BOOL";
    case VT_VARIANT: return L"VARIANT";
    case VT_UNKNOWN: return L"IUnknown*";
    case VT_VOID: return L"void";
    case VT_HRESULT: return L"HRESULT";
    case VT_LPSTR: return L"LPSTR";
    case VT_LPWSTR: return L"LPWSTR";
    default: return nullptr;
  }
}

// The name of a type the library refers to: an alias, an enumeration, an interface.
std::wstring ReferencedName(ITypeInfo* owner, HREFTYPE reference) {
  Microsoft::WRL::ComPtr<ITypeInfo> info;
  BSTR name = nullptr;
  if (FAILED(owner->GetRefTypeInfo(reference, &info)) ||
      FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
    return L"(unknown type)";
  std::wstring text(name, ::SysStringLen(name));
  ::SysFreeString(name);
  TYPEATTR* attributes = nullptr;
  if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
    const TYPEKIND kind = attributes->typekind;
    info->ReleaseTypeAttr(attributes);
    // Interfaces are always passed by pointer; the pointer is the interface's own name in IDL.
    if (kind == TKIND_INTERFACE || kind == TKIND_DISPATCH) text += L"*";
  }
  return text;
}

}  // namespace

std::wstring TypeName(ITypeInfo* owner, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR:
      return TypeName(owner, *type.lptdesc) + L"*";
    case VT_SAFEARRAY:
      return L"SAFEARRAY(" + TypeName(owner, *type.lptdesc) + L")";
    case VT_USERDEFINED:
      return ReferencedName(owner, type.hreftype);
    default:
      if (const wchar_t* name = BaseTypeName(type.vt)) return name;
      return L"VT " + std::to_wstring(type.vt);
  }
}

}  // namespace zarnel::typelibdoc
