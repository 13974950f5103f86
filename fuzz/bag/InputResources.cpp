#include "InputResources.h"

#include <algorithm>

#include "Fail.h"

namespace zarnel::fuzz {
namespace {

// The platform's font answers AddRef and Release with its true count.
ULONG CountOf(IUnknown& object) {
  object.AddRef();
  return object.Release();
}

}  // namespace

IDispatch* TInputResources::AddHostile(THostileBehaviour behaviour, TAnswerTrace& trace) {
  return FHostile.emplace_back(MakeObject<THostileObject>(std::move(behaviour), trace)).Get();
}

void TInputResources::AddFont(Microsoft::WRL::ComPtr<IUnknown> font) { FFonts.push_back(std::move(font)); }

TByRefTarget& TInputResources::AddTarget() { return *FTargets.emplace_back(std::make_unique<TByRefTarget>()); }

void TInputResources::TakeCounts() {
  FHostileCounts.clear();
  for (const auto& object : FHostile) FHostileCounts.push_back(object->References());
  FFontCounts.clear();
  for (const auto& font : FFonts) FFontCounts.push_back(CountOf(*font.Get()));
}

void TInputResources::CheckReleased(const char* after,
                                    const std::vector<IUnknown*>& holders) const {
  for (size_t i = 0; i < FHostile.size(); ++i) {
    const ULONG count = FHostile[i]->References();
    if (count != FHostileCounts[i])
      Fail("after %s, hostile object %u has %lu references; it had %lu before", after, static_cast<unsigned>(i),
           count, FHostileCounts[i]);
  }
  for (size_t i = 0; i < FFonts.size(); ++i) {
    const auto held = std::ranges::count_if(holders, [&](IUnknown* h) { return h == FFonts[i].Get(); });
    const ULONG expected = FFontCounts[i] + static_cast<ULONG>(held);
    const ULONG count = CountOf(*FFonts[i].Get());
    if (count != expected)
      Fail("after %s, font %u has %lu references; expected %lu (%lu before, the current font of %d objects)", after,
           static_cast<unsigned>(i), count, expected, FFontCounts[i], static_cast<int>(held));
  }
}

}  // namespace zarnel::fuzz
