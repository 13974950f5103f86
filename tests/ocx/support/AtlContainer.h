#pragma once
// Wine's own ActiveX host, the one in atl.dll, as a container application uses it: a window of its
// class "AtlAxWin", and AtlAxAttachControl, which gives an object ATL's site, activates it in place
// in that window, keeps it at the window's client size and lets go of it when the window goes.
// The class must be registered (CoCreateInstance by CLSID) for ATL to create an object itself; a
// container that loads the .ocx by path creates the object and hands it over instead.
#include <windows.h>
#include <unknwn.h>

namespace zarnel::test {

inline constexpr const char* AtlHostClass = "AtlAxWin";

// Loads atl.dll once for the process and registers its window class (AtlAxWinInit also enters OLE on
// the calling thread). atl.dll stays loaded: the class it registers points into it. False when the library or its entry points are missing.
bool AtlHostReady();
// A window of ATL's host class with no object of its own (empty window text).
HWND CreateAtlHostWindow(HWND parent, DWORD style, const RECT& bounds);
// Hands control to ATL's site in host; *container receives the site, which the caller releases.
HRESULT AttachToAtlHost(IUnknown* control, HWND host, IUnknown** container);

}  // namespace zarnel::test
