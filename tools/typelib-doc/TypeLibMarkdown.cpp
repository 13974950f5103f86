#include "TypeLibMarkdown.h"

#include <wrl/client.h>

#include <sstream>
#include <stdexcept>
#include <vector>

#include "TypeNames.h"

namespace zarnel::typelibdoc {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw std::runtime_error(what);
}

std::wstring Take(BSTR text) {
  std::wstring result = text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
  ::SysFreeString(text);
  return result;
}

// Name and help string of a member, or of the type itself for MEMBERID_NIL.
std::pair<std::wstring, std::wstring> Documentation(ITypeInfo* info, MEMBERID member) {
  BSTR name = nullptr, help = nullptr;
  Check(info->GetDocumentation(member, &name, &help, nullptr, nullptr), "GetDocumentation");
  return {Take(name), Take(help)};
}

// A table cell: the text with the characters that would break the table escaped.
std::wstring Cell(const std::wstring& text) {
  std::wstring cell;
  for (const wchar_t c : text) cell += c == L'|' ? std::wstring(L"\\|") : std::wstring(1, c);
  return cell;
}

const wchar_t* KindName(INVOKEKIND kind) {
  switch (kind) {
    case INVOKE_PROPERTYGET: return L"property get";
    case INVOKE_PROPERTYPUT: return L"property put";
    case INVOKE_PROPERTYPUTREF: return L"property putref";
    default: return L"method";
  }
}

// What the reference needs of a type's attributes, read and given back at once.
struct TTypeFacts {
  TYPEKIND Kind;
  WORD Flags;
  WORD Functions;
  WORD Variables;
};

TTypeFacts Facts(ITypeInfo* info) {
  TYPEATTR* attributes = nullptr;
  Check(info->GetTypeAttr(&attributes), "GetTypeAttr");
  const TTypeFacts facts{attributes->typekind, attributes->wTypeFlags, attributes->cFuncs, attributes->cVars};
  info->ReleaseTypeAttr(attributes);
  return facts;
}

// One function's description, given back when it goes.
class TFunction {
 public:
  TFunction(ITypeInfo* info, UINT index) : FInfo(info) { Check(info->GetFuncDesc(index, &FDesc), "GetFuncDesc"); }
  ~TFunction() { FInfo->ReleaseFuncDesc(FDesc); }
  TFunction(const TFunction&) = delete;
  TFunction& operator=(const TFunction&) = delete;
  const FUNCDESC* operator->() const { return FDesc; }
  const FUNCDESC& operator*() const { return *FDesc; }

 private:
  ITypeInfo* FInfo;
  FUNCDESC* FDesc = nullptr;
};

struct TSignature {
  std::wstring Parameters;  // "Name: type, …", the return value left out
  std::wstring Result;      // the [out, retval] parameter's type, or empty
};

TSignature Signature(ITypeInfo* info, const FUNCDESC& function) {
  std::vector<BSTR> names(function.cParams + 1);
  UINT count = 0;
  Check(info->GetNames(function.memid, names.data(), static_cast<UINT>(names.size()), &count), "GetNames");
  TSignature signature;
  for (SHORT i = 0; i < function.cParams; ++i) {
    const ELEMDESC& parameter = function.lprgelemdescParam[i];
    const USHORT flags = parameter.paramdesc.wParamFlags;
    // Out parameters are pointers in the library; the reader sees the value they give.
    const TYPEDESC& type = (flags & PARAMFLAG_FOUT) && parameter.tdesc.vt == VT_PTR ? *parameter.tdesc.lptdesc : parameter.tdesc;
    if (flags & PARAMFLAG_FRETVAL) {
      signature.Result = TypeName(info, type);
      continue;
    }
    // A put accessor's value has no name of its own in the library's name list.
    const std::wstring name = static_cast<UINT>(i + 1) < count ? std::wstring(names[i + 1]) : L"Value";
    if (!signature.Parameters.empty()) signature.Parameters += L", ";
    signature.Parameters += (flags & PARAMFLAG_FOUT ? L"[out] " : L"") + name + L": " + TypeName(info, type);
  }
  for (UINT i = 0; i < count; ++i) ::SysFreeString(names[i]);
  if (signature.Result.empty() && function.elemdescFunc.tdesc.vt != VT_HRESULT &&
      function.elemdescFunc.tdesc.vt != VT_VOID)
    signature.Result = TypeName(info, function.elemdescFunc.tdesc);
  return signature;
}

// The Markdown reference of a library, section by section, counting what it lists.
class TWriter {
 public:
  explicit TWriter(ITypeLib* library) : FLibrary(library) {}

  std::wstring Write() {
    const auto [name, help] = LibraryDocumentation();
    FOut << L"# " << name << L"\n\n" << help << L"\n";
    const UINT count = FLibrary->GetTypeInfoCount();
    for (UINT index = 0; index < count; ++index) WriteType(index);
    FOut << L"\n" << FMembers << L" members, " << FEvents << L" events, " << FEnumValues << L" enumeration values.\n";
    return FOut.str();
  }

 private:
  std::pair<std::wstring, std::wstring> LibraryDocumentation() {
    BSTR name = nullptr, help = nullptr;
    Check(FLibrary->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr), "GetDocumentation");
    return {Take(name), Take(help)};
  }

  void WriteType(UINT index) {
    ComPtr<ITypeInfo> info;
    Check(FLibrary->GetTypeInfo(index, &info), "GetTypeInfo");
    const TTypeFacts facts = Facts(info.Get());
    if (facts.Kind == TKIND_DISPATCH && (facts.Flags & TYPEFLAG_FDUAL)) {
      // The interface half lists the interface's own members only, without IDispatch's.
      HREFTYPE reference = 0;
      ComPtr<ITypeInfo> dual;
      Check(info->GetRefTypeOfImplType(-1, &reference), "GetRefTypeOfImplType");
      Check(info->GetRefTypeInfo(reference, &dual), "GetRefTypeInfo");
      WriteMembers(dual.Get());
    } else if (facts.Kind == TKIND_DISPATCH) {
      WriteEvents(info.Get());
    } else if (facts.Kind == TKIND_ENUM) {
      WriteEnumeration(info.Get());
    }
  }

  void WriteMembers(ITypeInfo* info) {
    const auto [name, help] = Documentation(info, MEMBERID_NIL);
    FOut << L"\n## " << name << L": properties and methods\n\n" << help << L"\n\n";
    FOut << L"| Member | Kind | DISPID | Parameters | Type | Hidden | Description |\n";
    FOut << L"|---|---|---|---|---|---|---|\n";
    const WORD functions = Facts(info).Functions;
    for (UINT i = 0; i < functions; ++i) {
      const TFunction function(info, i);
      const auto [member, memberHelp] = Documentation(info, function->memid);
      const TSignature signature = Signature(info, *function);
      FOut << L"| " << member << L" | " << KindName(function->invkind) << L" | " << function->memid << L" | "
           << Cell(signature.Parameters) << L" | " << Cell(signature.Result) << L" | "
           << (function->wFuncFlags & FUNCFLAG_FHIDDEN ? L"yes" : L"") << L" | " << Cell(memberHelp) << L" |\n";
      ++FMembers;
    }
  }

  void WriteEvents(ITypeInfo* info) {
    const auto [name, help] = Documentation(info, MEMBERID_NIL);
    FOut << L"\n## " << name << L": events\n\n" << help << L"\n\n";
    FOut << L"| Event | DISPID | Parameters | Description |\n|---|---|---|---|\n";
    const WORD functions = Facts(info).Functions;
    for (UINT i = 0; i < functions; ++i) {
      const TFunction function(info, i);
      const auto [event, eventHelp] = Documentation(info, function->memid);
      FOut << L"| " << event << L" | " << function->memid << L" | "
           << Cell(Signature(info, *function).Parameters) << L" | " << Cell(eventHelp) << L" |\n";
      ++FEvents;
    }
  }

  void WriteEnumeration(ITypeInfo* info) {
    FOut << L"\n## Enumeration " << Documentation(info, MEMBERID_NIL).first << L"\n\n";
    const WORD variables = Facts(info).Variables;
    for (UINT i = 0; i < variables; ++i) {
      VARDESC* variable = nullptr;
      Check(info->GetVarDesc(i, &variable), "GetVarDesc");
      const MEMBERID member = variable->memid;
      VARIANT value;
      ::VariantInit(&value);
      const HRESULT converted = ::VariantChangeType(&value, variable->lpvarValue, 0, VT_I4);
      info->ReleaseVarDesc(variable);
      Check(converted, "VariantChangeType");
      FOut << L"- `" << Documentation(info, member).first << L" = " << V_I4(&value) << L"`\n";
      ++FEnumValues;
    }
  }

  ITypeLib* FLibrary;
  std::wostringstream FOut;
  unsigned FMembers = 0;
  unsigned FEvents = 0;
  unsigned FEnumValues = 0;
};

}  // namespace

std::wstring TypeLibMarkdown(ITypeLib* library) { return TWriter(library).Write(); }

}  // namespace zarnel::typelibdoc
