#pragma once

// The position state of the progress bar: range, position and the cached view of
// it (fraction, whole percentage, split column), with the setters that keep them
// consistent and decide when the control has to repaint. The control owns one
// model and passes in its current client width.

#include <cstdint>
#include <optional>
#include <vector>

#include "PositionMath.h"

namespace zarnel {

// Told about every percentage change a position write causes, before the new
// position is stored. An interface rather than a callable so that a position
// write never allocates.
struct IPerCentListener {
  virtual void PerCentChanged(int16_t perCent) = 0;

 protected:
  ~IPerCentListener() = default;
};

class TPositionModel {
 public:
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t Position = 20;
  uint32_t FRange = 100;
  float FRangeReciprocal = RangeReciprocal(100);
  // Set directly, not derived from Position: single(0.2) is not quite 20 * single(1/100).
  float FFraction = 0.2f;
  uint8_t FPerCent = 20;
  int16_t FFilledWidth = 27;
  std::vector<int16_t> FStepTable;
  uint8_t RepaintStep = 0;
  uint8_t RepaintStepOffset = 0;
  bool WrapExceeded = false;
  // Counts position writes, so that a write can tell that a handler of its event wrote again.
  uint32_t FPositionWrites = 0;

  // The first split column, from the control's width less its borders.
  void InitFilledWidth(int32_t usableWidth);
  // Stores f and derives the percentage and the split column; no event.
  void ApplyFraction(float f, int32_t clientWidth);

  int32_t PerCentOf(int32_t n) const;
  int32_t FilledWidthOf(int32_t n, int32_t clientWidth) const;

  // Neither raises the percentage event; the control always repaints after them.
  void SetMin(int32_t v, int32_t clientWidth);
  void SetMax(int32_t v, int32_t clientWidth);
  // A saved range arrives Min first. While one is read, a Min the current Max would cut to Max - 1
  // is held instead (true: nothing changed yet); a Min below Max is not held and drops any held one.
  bool HoldMin(int32_t v);
  // Applies the held Min with SetMin's rules against the range read meanwhile; false when none.
  bool ApplyHeldMin(int32_t clientWidth);

  // Both return true when the control must repaint.
  bool SetPosition(int32_t v, int32_t clientWidth, IPerCentListener* listener);
  bool AddPosition(int32_t d, int32_t clientWidth, IPerCentListener* listener);

  // Neither re-derives the split column: the new quantisation shows from the next change.
  void BuildStepTable(uint8_t step, int32_t clientWidth);
  void SetRepaintStepOffset(uint8_t offset, int32_t clientWidth);

  // No event and no repaint: the framework's invalidation of the resize paints.
  void ControlResized(int32_t clientWidth);

 private:
  int32_t ChoosePosition(int32_t v) const;
  int32_t WrappedPosition(int32_t v) const;
  float FractionAt(int32_t n) const;
  int32_t ColumnOf(float f, int32_t clientWidth) const;
  void RangeChanged(int32_t clientWidth);

  std::optional<int32_t> FHeldMin;
};

}  // namespace zarnel
