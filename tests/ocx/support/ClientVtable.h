#pragma once
// Calls into an object's vtable slot by slot, with arguments wider than the member declares: what a
// caller passes whose compiler leaves bits above a VARIANT_BOOL or a byte in the 32-bit stack slot.
// The slot is found through the object's type information (each function's oVft), not assumed.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>

namespace zarnel::test {

// The code address of the member id/kind in the object's dual interface vtable; fails the test
// (and gives null) when the type information does not name it.
void* VtableEntry(IDispatch* object, MEMBERID id, INVOKEKIND kind);

// Calls a one-argument member (a put, or a method with one [in] value) passing the full 32 bits of
// value where the member expects its narrower argument. An argument narrower than 32 bits still
// occupies a whole 32-bit stack slot on i686 (the callee pops the same four bytes either way) and a
// whole register on x86-64, so the call is well-formed and the callee sees the upper bits.
HRESULT CallWithWideArgument(IDispatch* object, MEMBERID id, INVOKEKIND kind, uint32_t value);

}  // namespace zarnel::test
