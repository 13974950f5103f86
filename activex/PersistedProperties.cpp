#include "PersistedProperties.h"

#include <algorithm>
#include <functional>
#include <span>

#include "Bstr.h"
#include "OleError.h"

namespace zarnel {
namespace {

struct TMember {
  MEMBERID Id;
  INVOKEKIND Kind;
  int Parameters;  // not counting a return-value parameter
};

std::vector<TMember> Members(ITypeInfo& info) {
  TYPEATTR* attributes = nullptr;
  OleCheck(info.GetTypeAttr(&attributes));
  const UINT count = attributes->cFuncs;
  info.ReleaseTypeAttr(attributes);
  std::vector<TMember> members;
  for (UINT index = 0; index < count; ++index) {
    FUNCDESC* function = nullptr;
    OleCheck(info.GetFuncDesc(index, &function));
    const auto parameters = std::span(function->lprgelemdescParam, function->cParams);
    const auto isReturnValue = [](const ELEMDESC& e) { return (e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) != 0; };
    members.push_back({function->memid, function->invkind,
                       static_cast<int>(std::ranges::count_if(parameters, std::not_fn(isReturnValue)))});
    info.ReleaseFuncDesc(function);
  }
  return members;
}

bool IsWrite(INVOKEKIND kind) { return kind == INVOKE_PROPERTYPUT || kind == INVOKE_PROPERTYPUTREF; }

bool Has(const std::vector<TMember>& members, MEMBERID id, bool write) {
  return std::ranges::any_of(members, [&](const TMember& m) {
    return m.Id == id && (write ? IsWrite(m.Kind) : m.Kind == INVOKE_PROPERTYGET);
  });
}

bool IsPersisted(const std::vector<TMember>& members, const TMember& member) {
  if (member.Kind == INVOKE_PROPERTYGET) return member.Parameters == 0 && Has(members, member.Id, true);
  if (IsWrite(member.Kind)) return member.Parameters <= 1 && Has(members, member.Id, false);
  return false;
}

}  // namespace

std::vector<TPersistedProperty> PersistedProperties(ITypeInfo& info) {
  const std::vector<TMember> members = Members(info);
  std::vector<TPersistedProperty> properties;
  for (const TMember& member : members) {
    if (!IsPersisted(members, member)) continue;
    if (std::ranges::any_of(properties, [&](const TPersistedProperty& p) { return p.Id == member.Id; })) continue;
    TBstr name;
    OleCheck(info.GetDocumentation(member.Id, name.put(), nullptr, nullptr, nullptr));
    properties.push_back({member.Id, std::wstring(name.get(), ::SysStringLen(name.get()))});
  }
  return properties;
}

}  // namespace zarnel
