#include "ComponentStreamAdapter.h"

namespace zarnel {

TComponentStreamAdapter::TComponentStreamAdapter(TComponent& component) : FComponent(component) {
  stream::TStreamComponent::SetName(component.Name());
}

stream::TPropertyTable TComponentStreamAdapter::PublishedProperties() { return FComponent.PublishedProperties(); }

stream::TStreamComponent* TComponentStreamAdapter::CreateChild(std::string_view className) {
  TComponent* child = FComponent.CreateChild(className);
  if (!child) return nullptr;
  return FChildren.emplace_back(std::make_unique<TComponentStreamAdapter>(*child)).get();
}

void TComponentStreamAdapter::SetName(std::string_view name) {
  stream::TStreamComponent::SetName(name);
  FComponent.SetName(std::string(name));
}

void TComponentStreamAdapter::SetLoading(bool loading) noexcept {
  stream::TStreamComponent::SetLoading(loading);
  FComponent.SetLoadingMark(loading);
}

void TComponentStreamAdapter::SetReading(bool reading) noexcept {
  stream::TStreamComponent::SetReading(reading);
  FComponent.SetReadingMark(reading);
}

void TComponentStreamAdapter::Loaded() {
  stream::TStreamComponent::Loaded();
  FComponent.Loaded();
}

}  // namespace zarnel
