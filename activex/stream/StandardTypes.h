#pragma once

#include "PropertyInfo.h"

namespace zarnel::stream {

// Type descriptions shared by every component that streams its properties. Enumerations and sets
// name their members in ordinal order, as the framework's types number them (sets by bit).
extern const TIntegerType Int32Type;
extern const TEnumType BooleanType;
// Colour values, with the 52 colour names.
extern const TIntegerType ColorType;
// Font character sets, with the character set names.
extern const TIntegerType CharsetType;
// Cursor numbers, with the cursor names.
extern const TIntegerType CursorType;
extern const TEnumType HelpTypeType;
extern const TEnumType AlignType;
extern const TSetType AnchorsType;
extern const TEnumType BevelKindType;
extern const TEnumType BevelCutType;
extern const TEnumType FontPitchType;
extern const TSetType FontStylesType;

}  // namespace zarnel::stream
