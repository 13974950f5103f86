// Arbitrary bytes into the component stream reader, against the control's full property table.
// A load that succeeds is written out again, so the writer also meets whatever the reader let in.
#include <cstdint>
#include <cstdlib>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "StreamError.h"
#include "Zarnel2ProComponent.h"
#include "Zarnel2ProDouble.h"

using namespace zarnel::stream;
using namespace zarnel::stream::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TCp1252CodePage codePage;
  // An odd chunk size makes the read-ahead refill in the middle of values.
  TMemorySource source(std::span(data, size), 97);
  TZarnel2ProDouble control;
  TZarnel2ProComponent component(control);
  try {
    ReadComponentStream(source, component, codePage);
    TMemorySink sink;
    WriteComponentStream(sink, component, codePage);
  } catch (const EStreamError&) {
  }
  if (component.IsLoading() || component.IsReading()) std::abort();
  return 0;
}
