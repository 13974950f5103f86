#pragma once
// Automation strings: an owner for BSTR, and the crossing between BSTR and the control's 8-bit text.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "Handles.h"

namespace zarnel {

inline void FreeBstr(BSTR s) { ::SysFreeString(s); }
using TBstr = TUniqueHandle<BSTR, FreeBstr>;

// The whole string, its length taken from the length prefix, in the thread's ANSI code page;
// characters the code page lacks become its default character. Null gives empty text.
std::string BstrToText(BSTR s);
// A new BSTR from 8-bit text in the thread's ANSI code page; empty text gives null.
TBstr TextToBstr(const std::string& text);
// A new BSTR from UTF-16 text; throws EOleSysError(E_OUTOFMEMORY) when it cannot be allocated.
TBstr MakeBstr(std::wstring_view text);

}  // namespace zarnel
