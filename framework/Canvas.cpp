#include "Canvas.h"

#include <algorithm>

#include "Bitmap.h"
#include "Handles.h"
#include "SystemColors.h"

namespace zarnel {
namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Clips one axis of a copy against [0, limit) on one side, shrinking the other side in proportion.
void ClipAxis(LONG& a0, LONG& a1, LONG& b0, LONG& b1, LONG limit) {
  const LONG aLen = a1 - a0;
  const LONG bLen = b1 - b0;
  if (a0 < 0) {
    b0 += ::MulDiv(-a0, bLen, aLen);
    a0 = 0;
  }
  if (a1 > limit) {
    b1 -= ::MulDiv(a1 - limit, bLen, aLen);
    a1 = limit;
  }
}

}  // namespace

TSize TCanvas::TextExtent(std::string_view text) {
  HDC dc = RequireDC();
  TSelection font(dc, FFont.Handle());
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  HDC dc = RequireDC();
  TSelection font(dc, FFont.Handle());
  ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::SetTextColor(dc, ColorToRGB(FFont.Color()));
  if (FBrush.Style() == TBrushStyle::bsClear) {
    ::SetBkMode(dc, TRANSPARENT);
  } else {
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, ColorToRGB(FBrush.Color()));
  }
  ::ExtTextOutA(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::FillRect(const RECT& rect) {
  if (IsEmpty(rect)) return;
  ::FillRect(RequireDC(), &rect, FBrush.Handle());
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  RECT d = dest;
  RECT s = sourceRect;
  if (IsEmpty(d) || IsEmpty(s)) return;
  const TSize srcSize = source.SurfaceSize();
  const TSize dstSize = SurfaceSize();
  ClipAxis(s.left, s.right, d.left, d.right, srcSize.cx);
  ClipAxis(s.top, s.bottom, d.top, d.bottom, srcSize.cy);
  ClipAxis(d.left, d.right, s.left, s.right, dstSize.cx);
  ClipAxis(d.top, d.bottom, s.top, s.bottom, dstSize.cy);
  if (IsEmpty(d) || IsEmpty(s)) return;
  HDC srcDC = source.RequireDC();
  HDC dstDC = RequireDC();
  ::SetStretchBltMode(dstDC, COLORONCOLOR);
  ::StretchBlt(dstDC, d.left, d.top, d.right - d.left, d.bottom - d.top, srcDC, s.left, s.top, s.right - s.left,
               s.bottom - s.top, FCopyMode);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  if (w <= 0 || h <= 0) return;
  if (!bitmap.Transparent()) {
    CopyRect(RECT{x, y, x + w, y + h}, bitmap.Canvas(), RECT{0, 0, w, h});
    return;
  }
  HDC srcDC = bitmap.Canvas().Handle();
  ::GdiTransparentBlt(RequireDC(), x, y, w, h, srcDC, 0, 0, w, h, ColorToRGB(bitmap.EffectiveTransparentColor()));
}

TColor TCanvas::Pixel(int x, int y) {
  COLORREF c = ::GetPixel(RequireDC(), x, y);
  return c == CLR_INVALID ? TColor{0xFFFFFFFF} : TColor{c};
}

}  // namespace zarnel
