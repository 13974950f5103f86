#pragma once

#include "ByteIO.h"
#include "CodePage.h"
#include "StreamComponent.h"

namespace zarnel::stream {

// Writes `component` as a component stream: signature, class name, component name, the published
// properties that are stored and differ from their defaults, and no child components.
void WriteComponentStream(IByteSink& sink, TStreamComponent& component, const ICodePage& codePage);

}  // namespace zarnel::stream
