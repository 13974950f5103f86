#pragma once

#include "PropertyInfo.h"

namespace zarnel::stream {

// Type descriptions shared by every component that streams its properties.
extern const TIntegerType Int32Type;
extern const TIntegerType ByteType;
extern const TEnumType BooleanType;
// Colour values, with the 52 colour names.
extern const TIntegerType ColorType;
// Font character sets (a byte), with the character set names.
extern const TIntegerType CharsetType;
// Cursor numbers (16-bit), with the cursor names.
extern const TIntegerType CursorType;

}  // namespace zarnel::stream
