#include "Zarnel2ProDouble.h"

#include <cstddef>

namespace zarnel::stream::testing {

void TZarnel2ProDouble::SetBevelCut(TBevelCutIndex index, TBevelCut v) {
  if (index == TBevelCutIndex::Inner) Record(state.bevelInner, v, "BevelInner");
  if (index == TBevelCutIndex::Outer) Record(state.bevelOuter, v, "BevelOuter");
}

bool TZarnel2ProDouble::IsEventAssigned(TZarnel2ProEvent event) const {
  return state.eventAssigned[static_cast<std::size_t>(event)];
}

void TZarnel2ProDouble::ClearEvent(TZarnel2ProEvent event) {
  state.eventAssigned[static_cast<std::size_t>(event)] = false;
  writes.emplace_back("ClearEvent");
}

}  // namespace zarnel::stream::testing
