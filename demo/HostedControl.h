#pragma once
// The control as a container application sees it: ZarnelX2Pro.ocx loaded by path, its object hosted
// by Wine's own ActiveX container (atl.dll) and driven through IZarnelX.
#include <windows.h>

#include "Screen.h"

namespace zarnel {

// Hosts an object in a window of ATL's host class at bounds inside parent, runs its position from 0
// to 100, gives it a caption, colours and a bold font, and returns the host window's pixels; the
// object and the module are gone again when it returns. Raises when any step fails.
test::TPixels ShowHostedControl(HWND parent, const RECT& bounds);

}  // namespace zarnel
