#pragma once
// What one input's bag hands out besides plain values, held by the fuzz target for as long as the
// input runs: its hostile objects, the platform fonts it made, and the memory its by-reference
// values point into. The reference counts taken before a load say what the control may keep.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>
#include <vector>

#include "HostileObject.h"

namespace zarnel::fuzz {

// The storage a VT_BYREF value points into.
struct TByRefTarget {
  TVariant Value;
  DECIMAL Decimal{};
};

class TInputResources {
 public:
  IDispatch* AddHostile(THostileBehaviour behaviour, TAnswerTrace& trace);
  // font: its IUnknown identity.
  void AddFont(Microsoft::WRL::ComPtr<IUnknown> font);
  TByRefTarget& AddTarget();

  // Remembers every object's reference count.
  void TakeCounts();
  // After a load or a put: every hostile object is back at its remembered count, and every font is
  // up by one for each holder whose current font it is (holders: the identities of the objects'
  // current fonts).
  void CheckReleased(const char* after, const std::vector<IUnknown*>& holders) const;

 private:
  std::vector<Microsoft::WRL::ComPtr<THostileObject>> FHostile;
  std::vector<ULONG> FHostileCounts;
  std::vector<Microsoft::WRL::ComPtr<IUnknown>> FFonts;
  std::vector<ULONG> FFontCounts;
  std::vector<std::unique_ptr<TByRefTarget>> FTargets;
};

}  // namespace zarnel::fuzz
