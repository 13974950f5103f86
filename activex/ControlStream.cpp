#include "ControlStream.h"

#include "AnsiCodePage.h"
#include "ComStreams.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "ControlPublished.h"

namespace zarnel {

void SaveControl(IStream* stream, TZarnel2Pro& control) {
  TComStreamSink sink(stream);
  TZarnel2ProStreamComponent component(control);
  stream::WriteComponentStream(sink, component, TAnsiCodePage{});
}

void LoadControl(IStream* stream, TZarnel2Pro& control) {
  TComStreamSource source(stream);
  TZarnel2ProStreamComponent component(control);
  stream::ReadComponentStream(source, component, TAnsiCodePage{});
}

}  // namespace zarnel
