#include "PropertyList.h"

#include <wrl/client.h>

#include <algorithm>

#include "Fail.h"

namespace zarnel::fuzz {
namespace {

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) Fail("reading the control's type information: %s failed with 0x%08lx", what, hr);
}

VARTYPE VariantTypeOf(ITypeInfo& info, const TYPEDESC& type) {
  // What a get hands back through a pointer is an interface pointer: the interface's type.
  if (type.vt == VT_PTR) return VariantTypeOf(info, *type.lptdesc);
  if (type.vt != VT_USERDEFINED) return type.vt;
  Microsoft::WRL::ComPtr<ITypeInfo> referenced;
  Check(info.GetRefTypeInfo(type.hreftype, &referenced), "GetRefTypeInfo");
  TYPEATTR* attributes = nullptr;
  Check(referenced->GetTypeAttr(&attributes), "GetTypeAttr");
  VARTYPE vt = VT_EMPTY;
  switch (attributes->typekind) {
    case TKIND_ALIAS: vt = VariantTypeOf(*referenced.Get(), attributes->tdescAlias); break;
    case TKIND_ENUM: vt = VT_I4; break;
    case TKIND_DISPATCH: vt = VT_DISPATCH; break;
    case TKIND_INTERFACE: vt = (attributes->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN; break;
    default: break;
  }
  referenced->ReleaseTypeAttr(attributes);
  if (vt == VT_EMPTY) Fail("a property of the control has a user-defined type of no variant type");
  return vt;
}

// The type a property get hands back: what its return-value parameter points at.
VARTYPE ReturnedType(ITypeInfo& info, const FUNCDESC& get) {
  for (SHORT i = 0; i < get.cParams; ++i) {
    const ELEMDESC& parameter = get.lprgelemdescParam[i];
    if ((parameter.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) && parameter.tdesc.vt == VT_PTR)
      return VariantTypeOf(info, *parameter.tdesc.lptdesc);
  }
  return VariantTypeOf(info, get.elemdescFunc.tdesc);
}

bool TakesNoArgument(const FUNCDESC& get) {
  return std::all_of(get.lprgelemdescParam, get.lprgelemdescParam + get.cParams,
                     [](const ELEMDESC& p) { return (p.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) != 0; });
}

}  // namespace

std::vector<TPersistedProperty> ReadPersistedProperties(ITypeInfo& info) {
  TYPEATTR* attributes = nullptr;
  Check(info.GetTypeAttr(&attributes), "GetTypeAttr");
  const UINT functions = attributes->cFuncs;
  info.ReleaseTypeAttr(attributes);

  std::vector<TPersistedProperty> gets;
  std::vector<MEMBERID> puts;
  for (UINT index = 0; index < functions; ++index) {
    FUNCDESC* function = nullptr;
    Check(info.GetFuncDesc(index, &function), "GetFuncDesc");
    if (function->invkind == INVOKE_PROPERTYGET && TakesNoArgument(*function)) {
      BSTR name = nullptr;
      Check(info.GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr), "GetDocumentation");
      gets.push_back({function->memid, std::wstring(name, ::SysStringLen(name)), ReturnedType(info, *function)});
      ::SysFreeString(name);
    } else if (function->invkind == INVOKE_PROPERTYPUT || function->invkind == INVOKE_PROPERTYPUTREF) {
      puts.push_back(function->memid);
    }
    info.ReleaseFuncDesc(function);
  }
  std::erase_if(gets, [&](const TPersistedProperty& p) { return std::ranges::find(puts, p.Id) == puts.end(); });
  return gets;
}

int IndexOf(const std::vector<TPersistedProperty>& properties, std::wstring_view name) {
  const auto found = std::ranges::find(properties, name, &TPersistedProperty::Name);
  return found == properties.end() ? -1 : static_cast<int>(found - properties.begin());
}

}  // namespace zarnel::fuzz
