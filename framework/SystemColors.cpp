#include "SystemColors.h"

namespace zarnel {

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return color & 0x00FFFFFF;
}

}  // namespace zarnel
