#pragma once
#include <cstdint>
#include <string>

namespace zarnel {

// Root of everything that can be an event's Sender.
class TObject {
 public:
  virtual ~TObject() = default;
};

enum TComponentStateFlag : uint8_t { csLoading = 1, csReading = 2 };

// A named object with a tag and the loading marks the component stream reader sets.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner) : FOwner(owner) {}
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  uint8_t ComponentState() const { return FComponentState; }
  bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  void SetLoadingMark(bool on) { SetMark(csLoading, on); }
  void SetReadingMark(bool on) { SetMark(csReading, on); }
  // End of a successful load: the loading mark goes.
  virtual void Loaded() { FComponentState &= static_cast<uint8_t>(~csLoading); }

 private:
  void SetMark(uint8_t mark, bool on) {
    FComponentState = static_cast<uint8_t>(on ? (FComponentState | mark) : (FComponentState & ~mark));
  }

  TComponent* FOwner;
  std::string FName;
  int32_t FTag = 0;
  uint8_t FComponentState = 0;
};

}  // namespace zarnel
