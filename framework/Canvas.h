#pragma once
#include <windows.h>

#include <string_view>

#include "Brush.h"
#include "Font.h"

namespace zarnel {

class TBitmap;

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
};

// A drawing surface: a DC supplied by the subclass, plus the font, brush and copy mode that the
// drawing operations use. Objects are selected into the DC only for the duration of one operation,
// so fonts and brushes can change freely between operations.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  DWORD CopyMode() const { return FCopyMode; }
  void SetCopyMode(DWORD mode) { FCopyMode = mode; }

  HDC Handle() { return RequireDC(); }

  TSize TextExtent(std::string_view text);
  void TextOut(int x, int y, std::string_view text);
  void FillRect(const RECT& rect);
  // Copies a rectangle of another canvas onto one of this canvas with the copy mode, stretching when
  // the sizes differ. Parts outside either surface are skipped; an inverted rectangle copies nothing.
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  // Draws a whole bitmap with its top-left corner at (x, y), leaving out its key colour when it is
  // transparent.
  void Draw(int x, int y, TBitmap& bitmap);
  TColor Pixel(int x, int y);

  // The drawable extent: copies never reach past it.
  virtual TSize SurfaceSize() = 0;

 protected:
  virtual HDC RequireDC() = 0;

 private:
  TFont FFont;
  TBrush FBrush;
  DWORD FCopyMode = SRCCOPY;
};

}  // namespace zarnel
