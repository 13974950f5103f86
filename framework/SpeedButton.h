#pragma once
#include <cstdint>
#include <vector>

#include "Bitmap.h"
#include "GraphicControl.h"
#include "Mouse.h"

namespace zarnel {

// A button drawn by its parent, showing a glyph whose bottom-left pixel colour is left out. A flat
// one shows no edge until the pointer is over it.
class TSpeedButton final : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  std::string_view ClassName() const override { return "TSpeedButton"; }
  stream::TPropertyTable PublishedProperties() override;

  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  TBitmap& Glyph() { return FGlyph; }
  // The glyph as form files store it: a 4-byte length, then a .BMP file.
  const std::vector<uint8_t>& GlyphData() const { return FGlyphData; }
  void SetGlyphData(const std::vector<uint8_t>& data);

  TNotifyEvent OnClick;

  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(int32_t x, int32_t y) override;
  void MouseUp(int32_t x, int32_t y) override;

 protected:
  void Paint() override;

 private:
  void SetState(bool over, bool pressed);

  bool FFlat = false;
  bool FMouseInControl = false;
  bool FPressed = false;
  TBitmap FGlyph;
  std::vector<uint8_t> FGlyphData;
};

}  // namespace zarnel
