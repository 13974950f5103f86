#include "ModelComponent.h"

#include <utility>

#include "Overloaded.h"
#include "Zarnel2ProProperties.h"

namespace zarnel::stream::testing {

namespace {

// The same table, its setters and event clears logging the property's path once they have run.
TPropertyTable Logged(const TPropertyTable& table, std::vector<std::string>& log, const std::string& prefix) {
  std::vector<TPropertyInfo> logged;
  for (TPropertyInfo property : table) {
    const std::string path = prefix + std::string(property.name);
    std::visit(TOverloaded{
                   [&](TObjectProperty& p) {
                     if (p.get) p.get = [get = p.get, &log, path] { return Logged(get(), log, path + "."); };
                   },
                   [&](TEventProperty& p) {
                     if (p.clear)
                       p.clear = [clear = p.clear, &log, path] {
                         clear();
                         log.push_back(path);
                       };
                   },
                   [&](auto& p) {
                     if (p.set)
                       p.set = [set = p.set, &log, path](const auto& value) {
                         set(value);
                         log.push_back(path);
                       };
                   },
               },
               property.access);
    logged.push_back(std::move(property));
  }
  return TPropertyTable(std::move(logged));
}

}  // namespace

TPropertyTable TModelComponent::PublishedProperties() {
  TPropertyTable properties = Zarnel2ProProperties(FModel);
  return FWrites ? Logged(properties, *FWrites, {}) : properties;
}

void TModelComponent::SetLoading(bool loading) noexcept {
  TStreamComponent::SetLoading(loading);
  FModel.SetLoading(loading);
}

void TModelComponent::Loaded() {
  TStreamComponent::Loaded();
  FModel.SetLoading(false);
  ++loadedCount;
}

}  // namespace zarnel::stream::testing
