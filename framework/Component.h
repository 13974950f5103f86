#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "PropertyInfo.h"

namespace zarnel {

// Root of everything that can be an event's Sender.
class TObject {
 public:
  virtual ~TObject() = default;
};

enum TComponentStateFlag : uint8_t { csLoading = 1, csReading = 2 };

// A named object with a tag and the loading marks the component stream reader sets. A component
// owns the components created for it (a form its controls) and destroys them, newest first, when
// it goes.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner) : FOwner(owner) {}
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  ~TComponent() override { DestroyComponents(); }

  // The class name a component stream records, and the window class of windowed controls.
  virtual std::string_view ClassName() const = 0;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  // Takes ownership of a component created with this one as its owner.
  template <typename T>
  T& Adopt(std::unique_ptr<T> component) {
    T& adopted = *component;
    FComponents.push_back(std::move(component));
    return adopted;
  }
  // The owned component of that name (names compare exactly), or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  // The properties a component stream stores for this component, bound to it; none by default.
  virtual stream::TPropertyTable PublishedProperties() { return stream::TPropertyTable({}); }
  // Creates an owned component of a class this component can hold, for a stream that names one
  // among its children; nullptr for a class it cannot hold (and by default it holds none).
  virtual TComponent* CreateChild(std::string_view /*className*/) { return nullptr; }

  // A component that is a part of another one (a sub-component) rather than one of its own.
  bool IsSubComponent() const { return FSubComponent; }
  void SetSubComponent(bool value) { FSubComponent = value; }

  uint8_t ComponentState() const { return FComponentState; }
  bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  void SetLoadingMark(bool on) {
    const bool ends = !on && IsLoading();
    SetMark(csLoading, on);
    if (ends) LoadingEnded();
  }
  void SetReadingMark(bool on) { SetMark(csReading, on); }
  // End of a successful load: the loading mark goes.
  virtual void Loaded() { SetLoadingMark(false); }

  // The loading mark for a load that is not a component stream's: Loaded() when the load succeeds,
  // and the mark ends however it ends.
  class TLoadingMark {
   public:
    explicit TLoadingMark(TComponent& component) : FComponent(component) { FComponent.SetLoadingMark(true); }
    ~TLoadingMark() { FComponent.SetLoadingMark(false); }
    TLoadingMark(const TLoadingMark&) = delete;
    TLoadingMark& operator=(const TLoadingMark&) = delete;
    void Loaded() { FComponent.Loaded(); }

   private:
    TComponent& FComponent;
  };

 protected:
  // The loading mark has gone, whether the load succeeded or not: what a component held back
  // while its values arrived is settled here.
  virtual void LoadingEnded() {}

  // Destroys the owned components now, newest first; a windowed owner does this while its window
  // still exists.
  void DestroyComponents() {
    while (!FComponents.empty()) {
      std::unique_ptr<TComponent> last = std::move(FComponents.back());
      FComponents.pop_back();
    }
  }

 private:
  void SetMark(uint8_t mark, bool on) {
    FComponentState = static_cast<uint8_t>(on ? (FComponentState | mark) : (FComponentState & ~mark));
  }

  TComponent* FOwner;
  std::string FName;
  int32_t FTag = 0;
  uint8_t FComponentState = 0;
  bool FSubComponent = false;
  std::vector<std::unique_ptr<TComponent>> FComponents;
};

inline TComponent* TComponent::FindComponent(std::string_view name) const {
  for (const auto& component : FComponents) {
    if (component->Name() == name) return component.get();
  }
  return nullptr;
}

}  // namespace zarnel
