#pragma once
// Automation fonts as a client makes them to hand to an object: the platform's own (OleCreateFontIndirect).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <cstdint>

namespace zarnel::test {

// Sizes are points scaled by 10000, as the automation font's currency value holds them.
constexpr int64_t Points(double points) { return static_cast<int64_t>(points * 10000 + 0.5); }

// A new automation font; fails the test when the platform gives none.
Microsoft::WRL::ComPtr<IFontDisp> NewFont(const wchar_t* name, int64_t size, short weight = FW_NORMAL);
// The font's IFont face.
Microsoft::WRL::ComPtr<IFont> FontOf(IUnknown* font);

}  // namespace zarnel::test
