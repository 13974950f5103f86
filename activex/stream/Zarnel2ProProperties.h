#pragma once

#include "PropertyInfo.h"
#include "Zarnel2ProPublished.h"

namespace zarnel::stream {

// The published properties of TZarnel2Pro in stream order, with the rules that decide whether
// each is written, bound to `control`.
TPropertyTable Zarnel2ProProperties(IZarnel2ProPublished& control);

// A font's published properties, as every control with a font of its own stores them.
TPropertyTable FontProperties(IFontPublished& font);

}  // namespace zarnel::stream
