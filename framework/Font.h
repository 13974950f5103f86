#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Color.h"
#include "Handles.h"

namespace zarnel {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;  // a set of TFontStyle bits
enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

// A logical font description with a lazily created GDI font. Any attribute change drops the handle
// and raises OnChange once.
class TFont {
 public:
  static constexpr const char* DefaultName = "MS Sans Serif";
  static constexpr int32_t DefaultHeight = -11;

  std::function<void()> OnChange;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t height);
  int32_t Size() const;  // points; the height carries it
  void SetSize(int32_t points);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  uint8_t Charset() const { return FCharset; }
  void SetCharset(uint8_t charset);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch pitch);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);

  // Copies every attribute, colour included.
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

  HFONT Handle();

 private:
  template <typename T>
  void Update(T& field, const T& value);
  void Changed();

  std::string FName = DefaultName;
  int32_t FHeight = DefaultHeight;
  TFontStyles FStyle = 0;
  uint8_t FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = TFontPitch::fpDefault;
  TColor FColor = clWindowText;
  TUniqueFont FHandle;
};

int ScreenPixelsPerInch();
// The face the name "Default" stands for: DefaultName, unless the system's character set is Shift-JIS.
const char* DefaultFontFace();

}  // namespace zarnel
