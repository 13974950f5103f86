#pragma once
// Module handles as callers pass them to the resource loads: untrusted numbers until proven to be a
// loaded image.
#include <windows.h>

#include <cstdint>

namespace zarnel {

// The module whose resources a handle names: 0 names the process's exe; otherwise any handle the
// resource functions accept, including those of modules loaded with LOAD_LIBRARY_AS_DATAFILE or
// LOAD_LIBRARY_AS_IMAGE_RESOURCE (flag bits in the low bits). Anything else throws EFrameworkError
// "Invalid module handle" without reading memory the process cannot read.
HMODULE ResourceModule(uintptr_t instance);

}  // namespace zarnel
