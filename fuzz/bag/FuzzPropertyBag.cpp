// Hostile property bags into the real control, loaded from ZarnelX2Pro.ocx by path. Each input
// becomes a bag (see BagInput.h) that one long-lived object loads; then:
//   - the object asked the bag for exactly the persisted properties, in the type information's
//     order, and stopped right after a read answered E_ABORT;
//   - the load answered S_OK, or E_FAIL only when the bag or an object in it answered E_ABORT;
//   - the bag, the error log and every hostile object are back at the references the target holds,
//     and a platform font only gained the references of the objects whose current font it is;
//   - Min <= Position <= Max, the bevels are 0..3, and every get still succeeds with its type;
//   - Save writes every property with its get's value, and a second long-lived object loaded from
//     that bag reads the same values (fonts compared by their attributes). The round trip costs
//     twice the hostile load, so it follows the first load and every sixteenth after it.
// For the driver's histogram, each property counts the bags that gave it a value and the loads
// after which it held another value than before; every 1024 executions the thread's windows are
// counted.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "BagInput.h"
#include "BagSession.h"
#include "ErrorLog.h"
#include "Fail.h"
#include "PropertyValues.h"

using Microsoft::WRL::ComPtr;
using namespace zarnel::fuzz;

namespace {

void CheckReads(const TFuzzPropertyBag& bag, const std::vector<TPersistedProperty>& properties, const char* load) {
  const auto& reads = bag.Reads();
  if (reads.size() > properties.size())
    Fail("%s reads %u entries; there are %u properties", load, static_cast<unsigned>(reads.size()),
         static_cast<unsigned>(properties.size()));
  for (size_t i = 0; i < reads.size(); ++i)
    if (reads[i] != properties[i].Name)
      Fail("%s reads \"%s\" in place %u, where \"%s\" belongs", load, Narrow(reads[i]).c_str(),
           static_cast<unsigned>(i), Narrow(properties[i].Name).c_str());
}

void LoadHostileBag(TBagSession& session, TBagInput& input) {
  const auto& properties = session.Properties();
  const ComPtr<TErrorLog> log = input.WithErrorLog ? MakeObject<TErrorLog>() : nullptr;
  const HRESULT hr = session.Target().Load(input.Bag.Get(), log.Get());
  const TFuzzPropertyBag& bag = *input.Bag.Get();
  CheckReads(bag, properties, "the load of a hostile bag");
  const size_t reads = bag.Reads().size();
  if (bag.AbortedAt() >= 0) {
    if (hr != E_FAIL) Fail("the bag answered E_ABORT; the load answers 0x%08lx, not E_FAIL", hr);
    if (reads != static_cast<size_t>(bag.AbortedAt()) + 1)
      Fail("the bag answered E_ABORT at read %d; the load went on to read %u entries", bag.AbortedAt(),
           static_cast<unsigned>(reads));
  } else if (hr == E_FAIL) {
    if (!session.Trace().AbortAnswered) Fail("the load answers E_FAIL, and nothing in the bag answered E_ABORT");
  } else if (hr != S_OK) {
    Fail("the load answers 0x%08lx", hr);
  } else if (reads != properties.size()) {
    Fail("the load succeeds after reading %u of %u properties", static_cast<unsigned>(reads),
         static_cast<unsigned>(properties.size()));
  }
  if (bag.References() != 1) Fail("the load keeps the bag: %lu references", bag.References());
  if (log && log->References() != 1) Fail("the load keeps the error log: %lu references", log->References());
  input.Resources.CheckReleased("the load", {session.Target().FontIdentity()});
}

void CheckInvariants(const std::vector<TPersistedProperty>& properties, const TPropertyValues& values) {
  const auto value = [&](const wchar_t* name) -> const VARIANT& {
    const int index = IndexOf(properties, name);
    if (index < 0) Fail("the type information has no property %s", Narrow(name).c_str());
    return *values[index];
  };
  const LONG min = value(L"Min").lVal, max = value(L"Max").lVal, position = value(L"Position").lVal;
  if (!(min <= position && position <= max)) Fail("Min %ld, Position %ld, Max %ld after the load", min, position, max);
  for (const wchar_t* bevel : {L"BevelKind", L"BevelOuter", L"BevelInner"}) {
    const LONG v = value(bevel).lVal;
    if (v < 0 || v > 3) Fail("%s is %ld after the load", Narrow(bevel).c_str(), v);
  }
}

// The target held `before` when the load began: the values the load changed are the ones the
// properties took.
void TallyLoad(TBagSession& session, const TFuzzPropertyBag& bag, const TPropertyValues& before,
               const TPropertyValues& after) {
  for (size_t i = 0; i < bag.Reads().size(); ++i) {
    TPropertyTally& tally = session.Tallies()[i];
    if (bag.Answered()[i]) ++tally.Offered;
    if (!SameValue(*before[i], *after[i])) ++tally.Changed;
  }
}

void CheckRoundTrip(TBagSession& session, const TPropertyValues& loaded) {
  const auto& properties = session.Properties();
  const ComPtr<TFuzzPropertyBag> saved = MakeObject<TFuzzPropertyBag>();
  const HRESULT save = session.Target().Save(saved.Get());
  if (save != S_OK) Fail("Save answers 0x%08lx", save);
  if (saved->Writes().size() != properties.size())
    Fail("Save writes %u entries, not %u", static_cast<unsigned>(saved->Writes().size()),
         static_cast<unsigned>(properties.size()));
  for (size_t i = 0; i < properties.size(); ++i) {
    if (saved->Writes()[i] != properties[i].Name)
      Fail("Save writes \"%s\" in place %u, where \"%s\" belongs", Narrow(saved->Writes()[i]).c_str(),
           static_cast<unsigned>(i), Narrow(properties[i].Name).c_str());
    const VARIANT& written = *saved->Find(properties[i].Name.c_str())->Value;
    if (!SameValue(written, *loaded[i]))
      Fail("Save writes %s for %s, whose get answers %s", Describe(written).c_str(), Narrow(properties[i].Name).c_str(),
           Describe(*loaded[i]).c_str());
  }
  const HRESULT load = session.Replica().Load(saved.Get(), nullptr);
  if (load != S_OK) Fail("loading a saved bag answers 0x%08lx", load);
  CheckReads(*saved.Get(), properties, "the load of a saved bag");
  const TPropertyValues replica = ReadValues(session.Replica(), properties);
  for (size_t i = 0; i < properties.size(); ++i)
    if (!SameValue(*loaded[i], *replica[i]))
      Fail("round trip: %s is %s in the saved object, %s in the object loaded from its bag", Narrow(properties[i].Name).c_str(),
           Describe(*loaded[i]).c_str(), Describe(*replica[i]).c_str());
  if (saved->References() != 1) Fail("the save or the load keeps the bag: %lu references", saved->References());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBagSession& session = TBagSession::Instance();
  session.Trace() = TAnswerTrace{};
  TBagInput input;
  DecodeBagInput({data, size}, session.Properties(), session.Trace(), input);
  input.Resources.TakeCounts();

  LoadHostileBag(session, input);
  // The values hold the target's font: they are read once the fonts' counts are checked.
  TPropertyValues loaded = ReadValues(session.Target(), session.Properties());
  CheckInvariants(session.Properties(), loaded);
  if (session.RoundTripDue()) CheckRoundTrip(session, loaded);
  TallyLoad(session, *input.Bag.Get(), session.TargetValues(), loaded);
  session.TargetValues() = std::move(loaded);
  session.Executed();
  return 0;
}
