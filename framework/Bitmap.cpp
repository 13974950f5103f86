#include "Bitmap.h"

#include <algorithm>

#include "FrameworkError.h"

namespace zarnel {

TSize TBitmapCanvas::SurfaceSize() { return {FOwner.Width(), FOwner.Height()}; }
HDC TBitmapCanvas::RequireDC() { return FOwner.DC(); }

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  if (FDC && FOriginalBitmap) ::SelectObject(FDC.get(), FOriginalBitmap);
}

HDC TBitmap::DC() {
  if (!FDC) {
    FDC.reset(::CreateCompatibleDC(nullptr));
    if (!FDC) throw EFrameworkError("Out of system resources");
  }
  return FDC.get();
}

void TBitmap::SetSize(int32_t width, int32_t height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width == FWidth && height == FHeight) return;
  HDC dc = DC();
  TUniqueBitmap dib;
  uint32_t* bits = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* mem = nullptr;
    dib.reset(::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &mem, nullptr, 0));
    if (!dib) throw EFrameworkError("Out of system resources");
    bits = static_cast<uint32_t*>(mem);
  }
  HGDIOBJ previous =
      dib ? ::SelectObject(dc, dib.get()) : (FOriginalBitmap ? ::SelectObject(dc, FOriginalBitmap) : nullptr);
  if (!FOriginalBitmap && dib) FOriginalBitmap = previous;
  FDib = std::move(dib);  // the old DIB is no longer selected, so it can go
  FBits = bits;
  FWidth = width;
  FHeight = height;
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentColorAssigned = true;
}

TColor TBitmap::EffectiveTransparentColor() {
  if (FTransparentColorAssigned) return FTransparentColor;
  if (FWidth <= 0 || FHeight <= 0) return 0;
  ::GdiFlush();
  const uint32_t px = FBits[static_cast<size_t>(FHeight - 1) * static_cast<size_t>(FWidth)];
  return ColorFromDibPixel(px);
}

void TBitmap::LoadFromImage(const imaging::TDecodedImage& image) {
  SetSize(image.Width, image.Height);
  const auto pixels = Pixels();
  if (image.Pixels.size() != pixels.size()) throw EFrameworkError("Bitmap image is not valid");
  std::copy(image.Pixels.begin(), image.Pixels.end(), pixels.begin());
}

std::span<uint32_t> TBitmap::Pixels() {
  ::GdiFlush();
  return {FBits, static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight)};
}

}  // namespace zarnel
