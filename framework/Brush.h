#pragma once
#include <windows.h>

#include "Color.h"
#include "Handles.h"

namespace zarnel {

enum class TBrushStyle : uint8_t { bsSolid, bsClear };

// A fill description with a lazily created GDI brush; a clear brush fills nothing and makes text
// backgrounds transparent.
class TBrush {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle();

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TUniqueBrush FHandle;
};

}  // namespace zarnel
