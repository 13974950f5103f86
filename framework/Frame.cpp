#include "Frame.h"

namespace zarnel {
namespace {

// Indexed by TBevelCut; bvSpace takes its pixel but draws no edge.
constexpr uint32_t InnerStyles[] = {0, 8 /*BDR_SUNKENINNER*/, 4 /*BDR_RAISEDINNER*/, 0};
constexpr uint32_t OuterStyles[] = {0, 2 /*BDR_SUNKENOUTER*/, 1 /*BDR_RAISEDOUTER*/, 0};
// Indexed by TBevelKind.
constexpr uint32_t KindFlags[] = {0, 0, 0x1000 /*BF_SOFT*/, 0x4000 /*BF_FLAT*/};
constexpr uint32_t BF_RECT = 0x000F;
constexpr uint32_t BF_ADJUST = 0x2000;
constexpr uint32_t BF_MONO = 0x8000;

}  // namespace

int32_t TFrameSettings::BevelSize() const {
  if (BevelKind == bkNone) return 0;
  return (BevelInner != bvNone ? 1 : 0) + (BevelOuter != bvNone ? 1 : 0);
}

uint32_t TFrameSettings::EdgeStyle() const { return InnerStyles[BevelInner & 3] | OuterStyles[BevelOuter & 3]; }

uint32_t TFrameSettings::EdgeFlags() const {
  return BF_RECT | KindFlags[BevelKind & 3] | (Ctl3D ? 0 : BF_MONO) | BF_ADJUST;
}

}  // namespace zarnel
