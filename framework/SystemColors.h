#pragma once
#include <windows.h>

#include "Color.h"

namespace zarnel {

// The RGB value a colour stands for right now: system colours are looked up at each call, so a
// change of the colour scheme shows at the next paint.
COLORREF ColorToRGB(TColor color);

}  // namespace zarnel
