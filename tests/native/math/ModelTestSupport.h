#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "PositionModel.h"

namespace zarnel::test {

constexpr int32_t kDefaultClientWidth = 133;

// A model with the range min..max, set the way a container would set it.
inline TPositionModel MakeModel(int32_t min, int32_t max, int32_t clientWidth = kDefaultClientWidth) {
  TPositionModel model;
  model.SetMin(INT32_MIN, clientWidth);
  model.SetMax(max, clientWidth);
  model.SetMin(min, clientWidth);
  return model;
}

// Records every percentage event, with an optional action run inside it.
struct RecordingListener final : IPerCentListener {
  std::vector<int16_t> perCents;
  std::function<void(int16_t)> action;

  void PerCentChanged(int16_t perCent) override {
    perCents.push_back(perCent);
    if (action) {
      action(perCent);
    }
  }
};

}  // namespace zarnel::test
