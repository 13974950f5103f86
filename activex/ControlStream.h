#pragma once
// Saving and loading the control's published properties as a component stream on a COM stream.
#include <objidl.h>

#include "Zarnel2Pro.h"

namespace zarnel {

// Writes at the stream's position; errors of the stream pass on.
void SaveControl(IStream* stream, TZarnel2Pro& control);
// Reads from the stream's position, applying each value through its setter; the stream is left
// just after the component. Errors (stream::EStreamError and the setters' own) pass on.
void LoadControl(IStream* stream, TZarnel2Pro& control);

}  // namespace zarnel
