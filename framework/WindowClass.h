#pragma once
#include <windows.h>

namespace zarnel {

// The module this code lives in (the .ocx, or a test exe that links the framework statically).
HINSTANCE ModuleInstance();

// Registers a window class once per process and module; all are unregistered when the module goes,
// so an unloaded .ocx leaves no class pointing into freed code.
void EnsureWindowClass(const char* name, UINT style, WNDPROC proc);

}  // namespace zarnel
