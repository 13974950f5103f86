#pragma once

#include <string>
#include <string_view>

#include "PropertyInfo.h"

namespace zarnel::stream {

// What the component stream needs of a component: its class name, its published properties,
// its name, the loading and reading marks, and the end-of-load notification.
class TStreamComponent {
 public:
  TStreamComponent() = default;
  virtual ~TStreamComponent() = default;
  TStreamComponent(const TStreamComponent&) = delete;
  TStreamComponent& operator=(const TStreamComponent&) = delete;

  virtual std::string_view ClassName() const = 0;
  virtual TPropertyTable PublishedProperties() = 0;

  // Creates a child component of the named class, owned by this component, for a stream that
  // holds one; nullptr when this component has no child of that class. By default it has none.
  virtual TStreamComponent* CreateChild(std::string_view className);

  const std::string& Name() const noexcept { return FName; }
  // Empty, or a valid identifier: letters, digits and underscores, not starting with a digit.
  // Overrides that mirror the name elsewhere call this first: it validates.
  virtual void SetName(std::string_view name);

  bool IsLoading() const noexcept { return FLoading; }
  bool IsReading() const noexcept { return FReading; }
  // Overridable so that a component can mirror the marks into its own state.
  virtual void SetLoading(bool loading) noexcept { FLoading = loading; }
  virtual void SetReading(bool reading) noexcept { FReading = reading; }

  // Delivered once all of a stream has been read; clears the loading mark. Overrides that react
  // to the loaded values call this first.
  virtual void Loaded();

 private:
  std::string FName;
  bool FLoading = false;
  bool FReading = false;
};

}  // namespace zarnel::stream
