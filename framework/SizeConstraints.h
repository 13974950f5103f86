#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>

namespace zarnel {

// Limits on a control's size in pixels; 0 means no limit.
class TSizeConstraints {
 public:
  std::function<void()> OnChange;

  int32_t MaxHeight() const { return FMaxHeight; }
  int32_t MaxWidth() const { return FMaxWidth; }
  int32_t MinHeight() const { return FMinHeight; }
  int32_t MinWidth() const { return FMinWidth; }
  void SetMaxHeight(int32_t v) { Update(FMaxHeight, v); }
  void SetMaxWidth(int32_t v) { Update(FMaxWidth, v); }
  void SetMinHeight(int32_t v) { Update(FMinHeight, v); }
  void SetMinWidth(int32_t v) { Update(FMinWidth, v); }

  int32_t ConstrainWidth(int32_t w) const { return Constrain(w, FMinWidth, FMaxWidth); }
  int32_t ConstrainHeight(int32_t h) const { return Constrain(h, FMinHeight, FMaxHeight); }

 private:
  static int32_t Constrain(int32_t v, int32_t lo, int32_t hi) {
    if (hi > 0) v = std::min(v, hi);
    if (lo > 0) v = std::max(v, lo);
    return v;
  }
  void Update(int32_t& field, int32_t v) {
    if (v < 0) v = 0;
    if (field == v) return;
    field = v;
    if (OnChange) OnChange();
  }

  int32_t FMaxHeight = 0;
  int32_t FMaxWidth = 0;
  int32_t FMinHeight = 0;
  int32_t FMinWidth = 0;
};

}  // namespace zarnel
