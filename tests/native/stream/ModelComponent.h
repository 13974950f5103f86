#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "StreamComponent.h"
#include "Zarnel2ProModel.h"

namespace zarnel::stream::testing {

// The control model as the component stream sees it, under the control's class name and with the
// control's published property list, Zarnel2ProProperties(model); deliveries of Loaded() are
// counted. Given a log, each property write that reaches the model through the list is logged there
// by its path ("Font.Height") after it is applied, in call order, and so is each event cleared.
class TModelComponent final : public TStreamComponent {
 public:
  explicit TModelComponent(TZarnel2ProModel& model, std::vector<std::string>* writes = nullptr) noexcept
      : FModel(model), FWrites(writes) {}

  std::string_view ClassName() const override { return FModel.ClassName(); }
  TPropertyTable PublishedProperties() override;
  void SetLoading(bool loading) noexcept override;
  void Loaded() override;

  int loadedCount = 0;

 private:
  TZarnel2ProModel& FModel;
  std::vector<std::string>* FWrites;
};

}  // namespace zarnel::stream::testing
