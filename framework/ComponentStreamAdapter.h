#pragma once
#include <memory>
#include <vector>

#include "Component.h"
#include "StreamComponent.h"

namespace zarnel {

// A component as the component stream reader and writer see it: its class name, its published
// properties, and its children, with the name and the loading marks mirrored into the component,
// so that it knows while it is being loaded.
class TComponentStreamAdapter final : public stream::TStreamComponent {
 public:
  explicit TComponentStreamAdapter(TComponent& component);

  std::string_view ClassName() const override { return FComponent.ClassName(); }
  stream::TPropertyTable PublishedProperties() override;
  stream::TStreamComponent* CreateChild(std::string_view className) override;
  void SetName(std::string_view name) override;
  void SetLoading(bool loading) noexcept override;
  void SetReading(bool reading) noexcept override;
  void Loaded() override;

 private:
  TComponent& FComponent;
  std::vector<std::unique_ptr<TComponentStreamAdapter>> FChildren;
};

}  // namespace zarnel
