#include "Zarnel2ProModel.h"

#include <algorithm>

#include "FrameworkError.h"

namespace zarnel::stream::testing {

namespace {

void RequireBevelValue(std::uint8_t value) {
  if (value > MaxBevelValue) throw EFrameworkError("Invalid property value");
}

}  // namespace

TZarnel2ProModel::TZarnel2ProModel() {
  FFont.OnChange = [this] { FSettings.ParentFont = false; };
  FPosition.InitFilledWidth(FWidth - 2 * FFrame.BorderWidth);
}

// The window system keeps a window's side within 32767 pixels (the control's width may read more,
// its client area never does); the frame is counted in 64 bits, as twice the widest border an int32
// holds does not fit in one.
std::int32_t TZarnel2ProModel::ClientWidth() const {
  constexpr std::int32_t LargestWindowSide = 32767;
  const std::int64_t window = std::min(FWidth, LargestWindowSide);
  return static_cast<std::int32_t>(std::max<std::int64_t>(0, window - 2 * std::int64_t{FFrame.Thickness()}));
}

void TZarnel2ProModel::SetBevelKind(std::uint8_t kind) {
  RequireBevelValue(kind);
  FFrame.BevelKind = static_cast<TBevelKind>(kind);
}

void TZarnel2ProModel::SetBevelCut(int index, std::uint8_t cut) {
  RequireBevelValue(cut);
  if (index == BevelInnerIndex) FFrame.BevelInner = static_cast<TBevelCut>(cut);
  if (index == BevelOuterIndex) FFrame.BevelOuter = static_cast<TBevelCut>(cut);
}

void TZarnel2ProModel::SetBorderWidth(std::int32_t width) {
  if (width < 0) throw EFrameworkError("Invalid property value");
  FFrame.BorderWidth = width;
}

void TZarnel2ProModel::PerCentChanged(std::int16_t perCent) {
  if (OnPerCentChange) OnPerCentChange(perCent);
}

}  // namespace zarnel::stream::testing
