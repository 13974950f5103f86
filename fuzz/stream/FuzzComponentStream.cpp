// Arbitrary bytes into the component stream reader, against the control's own published property
// list bound to the windows-free model of the control. Whatever the load does, and however it
// ends, the model's invariants must hold and the loading marks must be gone; a load that succeeds
// is written out again, so the writer also meets whatever the reader let in.
#include <cstdint>
#include <cstdlib>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "FrameworkError.h"
#include "MemoryStreams.h"
#include "ModelComponent.h"
#include "StreamError.h"
#include "Zarnel2ProModel.h"

using namespace zarnel;
using namespace zarnel::stream;
using namespace zarnel::stream::testing;

namespace {

bool HoldsInvariants(const TZarnel2ProModel& model) {
  return model.Min() < model.Max() && model.Min() <= model.Position() && model.Position() <= model.Max() &&
         model.BevelKind() <= MaxBevelValue && model.BevelInner() <= MaxBevelValue &&
         model.BevelOuter() <= MaxBevelValue && model.PerCent() <= 100;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TCp1252CodePage codePage;
  // An odd chunk size makes the read-ahead refill in the middle of values.
  TMemorySource source(std::span(data, size), 97);
  TZarnel2ProModel model;
  TModelComponent component(model);
  bool loaded = false;
  try {
    ReadComponentStream(source, component, codePage);
    loaded = true;
  } catch (const EStreamError&) {
  } catch (const EFrameworkError&) {  // a setter refusing a value, as the control's do
  }
  if (!HoldsInvariants(model) || component.IsLoading() || component.IsReading()) std::abort();
  if (loaded != (component.loadedCount == 1)) std::abort();
  if (loaded) {
    TMemorySink sink;
    WriteComponentStream(sink, component, codePage);
  }
  return 0;
}
