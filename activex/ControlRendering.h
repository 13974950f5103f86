#pragma once
// A windowed control drawn into a DC someone else owns (a container's view, a metafile, a printer):
// its frame as the non-client area shows it and its client area through the control's own painting.
#include <windows.h>

namespace zarnel {

class TCustomControl;

// Draws the whole control window into bounds (logical units of dc). A rectangle of the window's own
// size on a pixel-mapped screen or memory DC gets the pixels 1:1 at its origin; any other rectangle,
// and every metafile, gets an image of the window stretched to fit.
void RenderControl(TCustomControl& control, HDC dc, const RECT& bounds);

}  // namespace zarnel
