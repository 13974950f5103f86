#pragma once
// Reading back what reached the screen: exact pixels from a window's client area or whole window.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "Color.h"

namespace zarnel::test {

struct TPixels {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TColor> Data;  // rows top-down, colours as 0x00BBGGRR
  TColor At(int32_t x, int32_t y) const { return Data[static_cast<size_t>(y) * Width + x]; }
};

TPixels CaptureClient(HWND wnd);
TPixels CaptureWindow(HWND wnd);
// Paints a rectangle of the client area in a colour the control never uses, to see what it redraws.
void Scribble(HWND wnd, TColor color);

}  // namespace zarnel::test
