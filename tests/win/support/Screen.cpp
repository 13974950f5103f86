#include "Screen.h"

#include "Handles.h"

namespace zarnel::test {
namespace {

TPixels Capture(HDC source, int32_t width, int32_t height) {
  TPixels out;
  out.Width = width;
  out.Height = height;
  if (width <= 0 || height <= 0) return out;
  TUniqueMemoryDC mem(::CreateCompatibleDC(source));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  TUniqueBitmap dib(::CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    TSelection sel(mem.get(), dib.get());
    ::BitBlt(mem.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::GdiFlush();
  }
  const auto* px = static_cast<const uint32_t*>(bits);
  out.Data.resize(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < out.Data.size(); ++i) out.Data[i] = ColorFromDibPixel(px[i]);
  return out;
}

}  // namespace

TPixels CaptureClient(HWND wnd) {
  RECT rc;
  ::GetClientRect(wnd, &rc);
  TWindowDC dc(wnd, ::GetDC(wnd));
  return Capture(dc.get(), rc.right, rc.bottom);
}

TPixels CaptureWindow(HWND wnd) {
  RECT rw;
  ::GetWindowRect(wnd, &rw);
  TWindowDC dc(wnd, ::GetWindowDC(wnd));
  return Capture(dc.get(), rw.right - rw.left, rw.bottom - rw.top);
}

void Scribble(HWND wnd, TColor color) {
  RECT rc;
  ::GetClientRect(wnd, &rc);
  TWindowDC dc(wnd, ::GetDC(wnd));
  TUniqueBrush brush(::CreateSolidBrush(color));
  ::FillRect(dc.get(), &rc, brush.get());
  ::GdiFlush();
}

}  // namespace zarnel::test
