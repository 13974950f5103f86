#pragma once
// A font's published properties, as every control with a font of its own stores them: bound to a
// TFont, or to any object with its accessors (the control model of the native tests). No Windows
// headers.
#include "FontTypes.h"
#include "PropertyBinding.h"

namespace zarnel {

// The size is never stored: the height carries it.
template <typename TFontLike>
stream::TPropertyTable FontProperties(TFontLike& font) {
  using namespace stream;
  using F = TFontLike;
  return TPropertyTable({
      IntegerProperty("Charset", CharsetType, font, &F::Charset, &F::SetCharset),
      IntegerProperty("Color", ColorType, font, &F::Color, &F::SetColor),
      IntegerProperty("Height", Int32Type, font, &F::Height, &F::SetHeight),
      StringProperty("Name", font, &F::Name, &F::SetName),
      EnumProperty("Pitch", FontPitchType, font, &F::Pitch, &F::SetPitch, TFontPitch::fpDefault),
      SetProperty("Style", FontStylesType, font, &F::Style, &F::SetStyle),
  });
}

}  // namespace zarnel
