#include "PositionModel.h"

namespace zarnel {
namespace {

// 32-bit wrapping arithmetic, free of signed overflow at the ends of the range.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

void TPositionModel::InitFilledWidth(int32_t usableWidth) {
  FFilledWidth = static_cast<int16_t>(RoundProduct(usableWidth, FFraction));
}

void TPositionModel::ApplyFraction(float f, int32_t clientWidth) {
  FFraction = f;
  FPerCent = static_cast<uint8_t>(RoundProduct(100, f));
  FFilledWidth = static_cast<int16_t>(ColumnOf(f, clientWidth));
}

int32_t TPositionModel::PerCentOf(int32_t n) const { return RoundProduct(100, FractionAt(n)); }

int32_t TPositionModel::FilledWidthOf(int32_t n, int32_t clientWidth) const {
  return ColumnOf(FractionAt(n), clientWidth);
}

void TPositionModel::SetMin(int32_t v, int32_t clientWidth) {
  Min = v < Max ? v : WrappingAdd(Max, -1);
  if (Position < Min) {
    Position = Min;
  }
  RangeChanged(clientWidth);
}

void TPositionModel::SetMax(int32_t v, int32_t clientWidth) {
  Max = v > Min ? v : WrappingAdd(Min, 1);
  if (Max < Position) {
    Position = Max;
  }
  RangeChanged(clientWidth);
}

bool TPositionModel::HoldMin(int32_t v) {
  if (v < Max) {
    FHeldMin.reset();
    return false;
  }
  FHeldMin = v;
  return true;
}

bool TPositionModel::ApplyHeldMin(int32_t clientWidth) {
  if (!FHeldMin) return false;
  const int32_t v = *FHeldMin;
  FHeldMin.reset();
  SetMin(v, clientWidth);
  return true;
}

bool TPositionModel::SetPosition(int32_t v, int32_t clientWidth, IPerCentListener* listener) {
  const uint32_t write = ++FPositionWrites;
  const int32_t n = ChoosePosition(v);
  const float f = FractionAt(n);
  bool visible = false;
  if (RoundProduct(100, f) != FPerCent) {
    ApplyFraction(f, clientWidth);
    visible = true;
    if (listener != nullptr) {
      listener->PerCentChanged(FPerCent);
      // A handler that wrote the position itself wrote it later than this write: its value, view
      // and paint stand, and storing this one now would leave the position and the bar disagreeing.
      if (FPositionWrites != write) return false;
    }
  } else if (ColumnOf(f, clientWidth) != FFilledWidth) {
    ApplyFraction(f, clientWidth);
    visible = true;
  }
  // A handler may have narrowed the range meanwhile; the stored position must stay inside it.
  Position = n < Min ? Min : (n > Max ? Max : n);
  // The ends always repaint, so a bar driven to its end is surely drawn full or empty.
  return visible || Position == Min || Position == Max;
}

bool TPositionModel::AddPosition(int32_t d, int32_t clientWidth, IPerCentListener* listener) {
  return SetPosition(WrappingAdd(Position, d), clientWidth, listener);
}

void TPositionModel::BuildStepTable(uint8_t step, int32_t clientWidth) {
  RepaintStep = step;
  if (step < 2) {
    return;  // the old table stays but is no longer consulted
  }
  FStepTable = zarnel::BuildStepTable(clientWidth, step, RepaintStepOffset);
}

void TPositionModel::SetRepaintStepOffset(uint8_t offset, int32_t clientWidth) {
  RepaintStepOffset = offset;
  BuildStepTable(RepaintStep, clientWidth);
}

void TPositionModel::ControlResized(int32_t clientWidth) {
  BuildStepTable(RepaintStep, clientWidth);
  FFilledWidth = static_cast<int16_t>(ColumnOf(FFraction, clientWidth));
}

int32_t TPositionModel::ChoosePosition(int32_t v) const {
  if (v > Max) {
    return WrapExceeded ? WrappedPosition(v) : Max;
  }
  return v < Min ? Min : v;
}

// The remainder by Max, as long as it lands inside the range; otherwise the bar
// restarts at Min. This also avoids dividing by a Max of 0.
int32_t TPositionModel::WrappedPosition(int32_t v) const {
  if (Max > 0) {
    const int32_t remainder = v % Max;
    if (remainder >= Min) {
      return remainder;
    }
  }
  return Min;
}

float TPositionModel::FractionAt(int32_t n) const { return FractionOf(n, Min, FRangeReciprocal); }

// The split column for f, snapped by the step table while a step is set. A column
// the table does not cover (the table was built for another width) stays unsnapped.
int32_t TPositionModel::ColumnOf(float f, int32_t clientWidth) const {
  const int32_t column = RoundProduct(clientWidth, f);
  if (RepaintStep > 1 && column >= 0 && static_cast<uint32_t>(column) < FStepTable.size()) {
    return FStepTable[static_cast<uint32_t>(column)];
  }
  return column;
}

void TPositionModel::RangeChanged(int32_t clientWidth) {
  FRange = static_cast<uint32_t>(Max) - static_cast<uint32_t>(Min);
  FRangeReciprocal = RangeReciprocal(FRange);
  ApplyFraction(FractionAt(Position), clientWidth);
}

}  // namespace zarnel
