#include "ControlRendering.h"

#include "CustomControl.h"
#include "FrameworkError.h"
#include "Handles.h"

namespace zarnel {
namespace {

using TWindowLayout = TWinControl::TWindowLayout;

// The client area as WM_ERASEBKGND and WM_PAINT leave it.
void PaintClient(TCustomControl& control, HDC dc, const TWindowLayout& layout) {
  TSavedDC saved(dc);
  const RECT& client = layout.Client;
  ::OffsetWindowOrgEx(dc, -client.left, -client.top, nullptr);
  const RECT area{0, 0, client.right - client.left, client.bottom - client.top};
  ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  if (!(control.ControlStyle() & csOpaque)) ::FillRect(dc, &area, control.Brush().Handle());
  control.PaintTo(dc);
}

// The window's image with its top-left corner at (x, y) of dc, clipped to the window's size.
void PaintWindowAt(TCustomControl& control, HDC dc, int32_t x, int32_t y, const TWindowLayout& layout) {
  TSavedDC saved(dc);
  ::OffsetWindowOrgEx(dc, -x, -y, nullptr);
  ::IntersectClipRect(dc, 0, 0, layout.Size.cx, layout.Size.cy);
  control.PaintFrame(dc, layout);
  PaintClient(control, dc, layout);
}

bool IsMetafile(HDC dc) {
  const DWORD type = ::GetObjectType(dc);
  return type == OBJ_METADC || type == OBJ_ENHMETADC;
}

// The window's image on a 32-bit bitmap of its own size, stretched onto bounds.
void StretchWindowImage(TCustomControl& control, HDC dc, const RECT& bounds, const TWindowLayout& layout) {
  TUniqueMemoryDC memory(::CreateCompatibleDC(nullptr));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = layout.Size.cx;
  info.bmiHeader.biHeight = -layout.Size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  TUniqueBitmap image(::CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !image) throw EFrameworkError("Error creating paint buffer");
  TSelection selection(memory.get(), image.get());
  PaintWindowAt(control, memory.get(), 0, 0, layout);
  TSavedDC saved(dc);
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, memory.get(), 0, 0,
               layout.Size.cx, layout.Size.cy, SRCCOPY);
}

}  // namespace

void RenderControl(TCustomControl& control, HDC dc, const RECT& bounds) {
  const TWindowLayout layout = control.WindowLayout();
  if (layout.Size.cx <= 0 || layout.Size.cy <= 0) return;
  const bool actualSize =
      bounds.right - bounds.left == layout.Size.cx && bounds.bottom - bounds.top == layout.Size.cy;
  if (actualSize && !IsMetafile(dc) && ::GetMapMode(dc) == MM_TEXT)
    PaintWindowAt(control, dc, bounds.left, bounds.top, layout);
  else
    StretchWindowImage(control, dc, bounds, layout);
}

}  // namespace zarnel
