#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Color.h"
#include "FontTypes.h"
#include "Handles.h"

namespace zarnel {

static_assert(DefaultFontCharset == DEFAULT_CHARSET);

// What a font tells the one object that mirrors it elsewhere (an automation font, say): each change
// of any of its attributes, after its OnChange listener has seen it.
class IFontAdapter {
 public:
  virtual ~IFontAdapter() = default;
  virtual void FontChanged() = 0;
};

// A logical font description with a lazily created GDI font. Any attribute change drops the handle
// and raises OnChange once, then tells the adapter if the font has one.
class TFont {
 public:
  static constexpr const char* DefaultName = DefaultFontName;
  static constexpr int32_t DefaultHeight = DefaultFontHeight;

  TFont() = default;
  // An adapter refers to its font: a font stays where it was made.
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  std::function<void()> OnChange;

  // The adapter, or null; the font owns it from SetAdapter on and takes it along when it goes.
  IFontAdapter* Adapter() const { return FAdapter.get(); }
  // Attaches the font's adapter; a font takes one adapter in its life, a second raises EFrameworkError.
  void SetAdapter(std::unique_ptr<IFontAdapter> adapter);

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
  void Notify();

  std::string FName = DefaultName;
  int32_t FHeight = DefaultHeight;
  TFontStyles FStyle = 0;
  uint8_t FCharset = DefaultFontCharset;
  TFontPitch FPitch = TFontPitch::fpDefault;
  TColor FColor = clWindowText;
  TUniqueFont FHandle;
  std::unique_ptr<IFontAdapter> FAdapter;
};

int ScreenPixelsPerInch();
// The face the name "Default" stands for: DefaultName, unless the system's character set is Shift-JIS.
const char* DefaultFontFace();

}  // namespace zarnel
