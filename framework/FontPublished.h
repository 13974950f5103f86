#pragma once
// A font as the component stream publishes it: the stream's view of the framework's TFont.
#include "Font.h"
#include "Zarnel2ProPublished.h"

namespace zarnel {

class TFontPublished final : public stream::IFontPublished {
 public:
  explicit TFontPublished(TFont& font) : FFont(font) {}
  uint8_t Charset() const override { return FFont.Charset(); }
  void SetCharset(uint8_t v) override { FFont.SetCharset(v); }
  stream::TColor Color() const override { return FFont.Color(); }
  void SetColor(stream::TColor v) override { FFont.SetColor(v); }
  int32_t Height() const override { return FFont.Height(); }
  void SetHeight(int32_t v) override { FFont.SetHeight(v); }
  std::string Name() const override { return FFont.Name(); }
  void SetName(const std::string& v) override { FFont.SetName(v); }
  stream::TFontPitch Pitch() const override { return static_cast<stream::TFontPitch>(FFont.Pitch()); }
  void SetPitch(stream::TFontPitch v) override { FFont.SetPitch(static_cast<TFontPitch>(v)); }
  // Both sides number the styles bold, italic, underline, strike-out from bit 0.
  stream::TFontStyles Style() const override { return stream::TFontStyles::FromBits(FFont.Style()); }
  void SetStyle(stream::TFontStyles v) override { FFont.SetStyle(static_cast<TFontStyles>(v.Bits())); }

 private:
  TFont& FFont;
};

}  // namespace zarnel
