#pragma once
// The progress bar control: range and position, the two-part bar with its centred two-colour
// caption, the custom picture and the control's own pointer events.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Bitmap.h"
#include "CustomControl.h"
#include "PositionModel.h"

namespace zarnel {

using TMousePressEvent = std::function<void(TObject* Sender, TMouseButton Button, int32_t X, int32_t Y)>;
using TMouseMovedEvent = std::function<void(TObject* Sender, int32_t X, int32_t Y)>;
using TPercentChangedEvent = std::function<void(TObject* Sender, int16_t PerCentValue)>;

class TZarnel2Pro final : public TCustomControl, private IPerCentListener {
 public:
  explicit TZarnel2Pro(TComponent* owner);
  ~TZarnel2Pro() override;

  std::string_view ClassName() const override { return "TZarnel2Pro"; }
  // Zarnel2ProProperties.h: the published properties, bound to this control.
  stream::TPropertyTable PublishedProperties() override;

  TMouseMovedEvent OnMouseMove;
  TMousePressEvent OnMouseDown;
  TMousePressEvent OnMouseUp;
  TPercentChangedEvent OnPerCentChange;

  int32_t Min() const { return FPosition.Min; }
  void SetMin(int32_t value);
  int32_t Max() const { return FPosition.Max; }
  void SetMax(int32_t value);
  int32_t Position() const { return FPosition.Position; }
  void SetPosition(int32_t value);
  void AddPosition(int32_t amount);
  uint8_t RepaintStep() const { return FPosition.RepaintStep; }
  void SetRepaintStep(uint8_t step);
  uint8_t RepaintStepOffset() const { return FPosition.RepaintStepOffset; }
  void SetRepaintStepOffset(uint8_t offset);
  bool WrapExceeded() const { return FPosition.WrapExceeded; }
  void SetWrapExceeded(bool value);

  TColor ColorLeft() const { return FColorLeft; }
  void SetColorLeft(TColor value);
  TColor ColorRight() const { return FColorRight; }
  void SetColorRight(TColor value);
  TColor FontColorLeft() const { return FFontColorLeft; }
  void SetFontColorLeft(TColor value);
  TColor FontColorRight() const { return FFontColorRight; }
  void SetFontColorRight(TColor value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool value);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& value);
  bool TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(bool value);
  TColor TransparentColorValue() const { return FTransparentColorValue; }
  void SetTransparentColorValue(TColor value);

  // The cached view of the position, as painting uses it.
  int16_t FilledWidth() const { return FPosition.FFilledWidth; }
  uint8_t PerCent() const { return FPosition.FPerCent; }
  float Fraction() const { return FPosition.FFraction; }

  // Custom picture: upper half the filled look, lower half the empty look.
  int32_t LoadFromFile(const std::string& fileName);  // 0 loaded, 1 bad extension, 2 missing, 3 unreadable
  void LoadFromResourceID(uintptr_t instance, int32_t resID);
  void LoadFromResourceName(uintptr_t instance, const std::string& resName);
  void ResetCustomBitMap();
  bool CustomBitMapActive() const { return FCustomBitMapActive; }

  void PaintBar();
  std::string GetPerCentText() const;
  int32_t CaptionWidth();

 protected:
  void Paint() override;
  void LoadingEnded() override;

 private:
  struct TCaptionLayout {
    int32_t X = 0;
    int32_t Y = 0;
    std::string Text;
  };

  void PerCentChanged(int16_t perCent) override;
  void HandleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void HandleMouseMove(TObject* sender, TShiftState shift, int32_t x, int32_t y);
  void HandleMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void ControlResized(TObject* sender);

  void PaintPlain();
  void PaintPlainRegion(TBitmap& buffer, const RECT& region, TColor background, TColor caption,
                        const TCaptionLayout* layout);
  TCaptionLayout LayoutCaption();
  void DrawCaption(TBitmap& buffer, TColor color, const TCaptionLayout& layout);
  TColor SubstituteTransparent(TColor color) const;
  void PaintCustom();
  void BlitBuffers();
  void BlitCustomBitMap();
  void LoadFromResource(uintptr_t instance, const char* id, const std::string& shownName);
  void AssignCustomBitMap(TBitmap& bitmap);
  void ApplyCustomPicture();
  void ClearConstraints();
  RECT GetLeftRect();
  RECT GetRightRect();

  TPositionModel FPosition;
  bool FShowText = true;
  std::unique_ptr<TBitmap> FLeftBitmap;
  std::unique_ptr<TBitmap> FRightBitmap;
  std::unique_ptr<TBitmap> FLeftTransBitmap;
  std::unique_ptr<TBitmap> FRightTransBitmap;
  TColor FColorLeft = 0;
  TColor FColorRight = 0;
  std::string FText;
  TColor FFontColorRight = 0;
  TColor FFontColorLeft = 0;
  bool FCustomBitMapActive = false;
  int32_t FCustomWidth = 0;
  int32_t FCustomHeight = 0;
  std::unique_ptr<TBitmap> FCustomBitMap;
  bool FTransparentColor = false;
  TColor FTransparentColorValue = 0;
};

}  // namespace zarnel
