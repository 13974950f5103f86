#include "PropertyInfo.h"

#include <algorithm>

#include "AsciiText.h"
#include "Overloaded.h"

namespace zarnel::stream {

bool TPropertyInfo::CanRead() const noexcept {
  return std::visit(TOverloaded{
                        [](const TEventProperty& event) { return static_cast<bool>(event.isAssigned); },
                        [](const auto& other) { return static_cast<bool>(other.get); },
                    },
                    access);
}

bool TPropertyInfo::CanWrite() const noexcept {
  return std::visit(TOverloaded{
                        [](const TEventProperty& event) { return static_cast<bool>(event.clear); },
                        [](const TObjectProperty& object) { return static_cast<bool>(object.get); },
                        [](const auto& other) { return static_cast<bool>(other.set); },
                    },
                    access);
}

TPropertyTable::TPropertyTable(std::vector<TPropertyInfo> properties) noexcept : FProperties(std::move(properties)) {}

const TPropertyInfo* TPropertyTable::Find(std::string_view name) const noexcept {
  const auto found =
      std::ranges::find_if(FProperties, [name](const TPropertyInfo& p) { return SameText(p.name, name); });
  return found == FProperties.end() ? nullptr : &*found;
}

}  // namespace zarnel::stream
