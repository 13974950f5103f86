#include "ControlStream.h"

#include "AnsiCodePage.h"
#include "ComStreams.h"
#include "ComponentReader.h"
#include "ComponentStreamAdapter.h"
#include "ComponentWriter.h"
#include "ControlPublished.h"
#include "Zarnel2ProProperties.h"

namespace zarnel {
namespace {

// The control with its published properties, for one save or load.
class TControlComponent {
 public:
  explicit TControlComponent(TZarnel2Pro& control)
      : FPublished(control), FAdapter(control, [this] { return stream::Zarnel2ProProperties(FPublished); }) {}
  stream::TStreamComponent& Component() { return FAdapter; }

 private:
  TZarnel2ProPublished FPublished;
  TComponentStreamAdapter FAdapter;
};

}  // namespace

void SaveControl(IStream* stream, TZarnel2Pro& control) {
  TComStreamSink sink(stream);
  TControlComponent component(control);
  stream::WriteComponentStream(sink, component.Component(), TAnsiCodePage{});
}

void LoadControl(IStream* stream, TZarnel2Pro& control) {
  TComStreamSource source(stream);
  TControlComponent component(control);
  stream::ReadComponentStream(source, component.Component(), TAnsiCodePage{});
}

}  // namespace zarnel
