#pragma once
// The properties a property bag holds for the control, read from the object's own dispatch type
// information: every property with a get that takes no argument and a put or put-by-reference of
// the same identifier, in the order the type information lists their gets, with the variant type a
// get answers in (aliases resolved, enumerations as VT_I4, interfaces as VT_DISPATCH).
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace zarnel::fuzz {

struct TPersistedProperty {
  DISPID Id;
  std::wstring Name;
  VARTYPE Type;
};

std::vector<TPersistedProperty> ReadPersistedProperties(ITypeInfo& info);

// The position of the property named name (exactly), or -1.
int IndexOf(const std::vector<TPersistedProperty>& properties, std::wstring_view name);

}  // namespace zarnel::fuzz
