#pragma once
// The reference of a type library in Markdown, read from the library alone: for each dual interface
// every accessor and method (name, kind, DISPID, parameters, type, hidden flag, help string), for each
// dispatch interface its events, and every enumeration with its values; then a line with the counts,
// which the tool's test holds against the library's own.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace zarnel::typelibdoc {

std::wstring TypeLibMarkdown(ITypeLib* library);

}  // namespace zarnel::typelibdoc
