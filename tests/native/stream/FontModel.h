#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Color.h"
#include "FontTypes.h"

namespace zarnel::stream::testing {

// A font as TFont keeps it, without its GDI object: the same accessors and defaults, and OnChange
// raised once for each change of an attribute.
class TFontModel {
 public:
  std::function<void()> OnChange;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { Update(FName, name); }
  std::int32_t Height() const { return FHeight; }
  void SetHeight(std::int32_t height) { Update(FHeight, height); }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style) { Update(FStyle, style); }
  std::uint8_t Charset() const { return FCharset; }
  void SetCharset(std::uint8_t charset) { Update(FCharset, charset); }
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch pitch) { Update(FPitch, pitch); }
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { Update(FColor, color); }

 private:
  template <typename T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }

  std::string FName = DefaultFontName;
  std::int32_t FHeight = DefaultFontHeight;
  TFontStyles FStyle = 0;
  std::uint8_t FCharset = DefaultFontCharset;
  TFontPitch FPitch = TFontPitch::fpDefault;
  TColor FColor = clWindowText;
};

}  // namespace zarnel::stream::testing
