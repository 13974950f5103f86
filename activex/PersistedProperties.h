#pragma once
// The properties an object keeps in a property bag, as its dispatch type information lists them.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace zarnel {

struct TPersistedProperty {
  DISPID Id;
  std::wstring Name;
};

// Every property that can be both read without arguments and written with one value: a property
// get without parameters whose identifier also has a put or put-by-reference, and a put or
// put-by-reference with at most one parameter whose identifier also has a get. Each identifier
// once, under the name the type information documents for it, in the order it first appears.
std::vector<TPersistedProperty> PersistedProperties(ITypeInfo& info);

}  // namespace zarnel
