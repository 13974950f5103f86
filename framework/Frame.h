#pragma once
// The control's frame in the non-client area: bevel enumerations, the DrawEdge style tables and the
// ring width. No Windows headers, so the tables are also tested natively.
#include <cstdint>
#include <limits>

namespace zarnel {

enum TBevelKind : uint8_t { bkNone = 0, bkTile = 1, bkSoft = 2, bkFlat = 3 };
enum TBevelCut : uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2, bvSpace = 3 };
inline constexpr uint8_t MaxBevelValue = 3;

// The bevel-cut setter tells its two properties apart by this index.
inline constexpr int BevelInnerIndex = 0;
inline constexpr int BevelOuterIndex = 1;

struct TFrameSettings {
  TBevelKind BevelKind = bkNone;
  TBevelCut BevelInner = bvRaised;
  TBevelCut BevelOuter = bvLowered;
  int32_t BorderWidth = 0;
  bool Ctl3D = false;  // three-dimensional edges; the ActiveX layer switches it on

  // Pixels one bevel side takes: one per cut that is not bvNone, none without a bevel kind.
  int32_t BevelSize() const;
  // Border strip plus bevel on each side; a border near the int32 limit gives the limit.
  int32_t Thickness() const {
    const int32_t bevel = BevelSize();
    return BorderWidth > std::numeric_limits<int32_t>::max() - bevel ? std::numeric_limits<int32_t>::max()
                                                                     : BorderWidth + bevel;
  }
  bool HasFrame() const { return BevelKind != bkNone || BorderWidth != 0; }
  // DrawEdge's edge and flag arguments (values of the platform's BDR_ and BF_ constants).
  uint32_t EdgeStyle() const;
  uint32_t EdgeFlags() const;
};

}  // namespace zarnel
