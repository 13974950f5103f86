#pragma once

#include "CodePage.h"
#include "PropertyInfo.h"
#include "StreamReader.h"

namespace zarnel::stream {

// Reads one value, converts it by the property's type and stores it through the property's setter.
// A value whose tag or name does not fit the type fails with "Invalid property value"; integers of
// any width reach the setter, which keeps what its own width holds.
void ReadPropertyValue(TStreamReader& reader, const TPropertyInfo& property, const ICodePage& codePage);

}  // namespace zarnel::stream
