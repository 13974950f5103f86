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
//
// In the 64-bit build the automation members' Instance is still 32 bits wide, so a caller passes the
// low 32 bits of its handle: in C++ static_cast<LONG>(reinterpret_cast<LONG_PTR>(module)); in 64-bit
// VBA, late-bound, the LongLong `hMod And &HFFFFFFFF^` (the member's unsigned type takes 0 to
// &HFFFFFFFF; CLng of it overflows from &H80000000 up). Such a value (at most 0xFFFFFFFF) names the
// one image in the process whose allocation base has those low 32 bits, found by walking the address
// space, with the caller's flag bits kept; a module below 4 GB is found at its own handle. A value that
// matches no image, or several (one below 4 GB and others a multiple of 4 GB above it, say), is
// "Invalid module handle": never a guess. A handle above 4 GB (from C++ code in the same process)
// is checked as it is.
HMODULE ResourceModule(uintptr_t instance);

}  // namespace zarnel
