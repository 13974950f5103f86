#pragma once

#include "StreamComponent.h"
#include "Zarnel2ProProperties.h"

namespace zarnel::stream {

// TZarnel2Pro as the component stream sees it: the class name it is written under and its
// published properties.
class TZarnel2ProComponent : public TStreamComponent {
 public:
  explicit TZarnel2ProComponent(IZarnel2ProPublished& control) noexcept : FControl(control) {}

  std::string_view ClassName() const override { return "TZarnel2Pro"; }
  TPropertyTable PublishedProperties() override { return Zarnel2ProProperties(FControl); }

 private:
  IZarnel2ProPublished& FControl;
};

}  // namespace zarnel::stream
