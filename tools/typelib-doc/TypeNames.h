#pragma once
// A type of the type library in automation terms, the way the IDL spells it: long, BSTR, VARIANT_BOOL,
// unsigned char, OLE_COLOR, TxBevelKind, IFontDisp*.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace zarnel::typelibdoc {

std::wstring TypeName(ITypeInfo* owner, const TYPEDESC& type);

}  // namespace zarnel::typelibdoc
