#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "Color.h"
#include "ControlSettings.h"
#include "FontModel.h"
#include "Frame.h"
#include "PositionModel.h"
#include "SizeConstraints.h"

namespace zarnel::stream::testing {

// TZarnel2Pro without a window, for the native tests and fuzzers: the accessors its published
// property list binds to, over the control's own windows-free parts (the position model with its
// range rules and step table, the control settings, the frame settings, the size constraints), with
// the control's defaults and setter rules. Painting and the resize notification (which a load holds
// back) are left out; the client width is what the control's window gives it: the width, within
// the window system's limit, less the frame.
class TZarnel2ProModel final : private IPerCentListener {
 public:
  TZarnel2ProModel();
  TZarnel2ProModel(const TZarnel2ProModel&) = delete;
  TZarnel2ProModel& operator=(const TZarnel2ProModel&) = delete;

  // Every event has a handler, as TZarnelX hooks a live control.
  std::function<void()> OnClick = [] {};
  std::function<void()> OnDblClick = [] {};
  std::function<void()> OnMouseDown = [] {};
  std::function<void()> OnMouseUp = [] {};
  std::function<void()> OnMouseMove = [] {};
  std::function<void(std::int16_t)> OnPerCentChange = [](std::int16_t) {};

  std::string_view ClassName() const { return "TZarnel2Pro"; }

  std::int32_t Tag() const { return FTag; }
  void SetTag(std::int32_t tag) { FTag = tag; }
  std::int32_t Left() const { return FLeft; }
  void SetLeft(std::int32_t left) { FLeft = left; }
  std::int32_t Top() const { return FTop; }
  void SetTop(std::int32_t top) { FTop = top; }
  std::int32_t Width() const { return FWidth; }
  void SetWidth(std::int32_t width) { FWidth = FConstraints.ConstrainWidth(width); }
  std::int32_t Height() const { return FHeight; }
  void SetHeight(std::int32_t height) { FHeight = FConstraints.ConstrainHeight(height); }
  std::int32_t ClientWidth() const;
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) { FVisible = visible; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { FEnabled = enabled; }

  TControlSettings& Settings() { return FSettings; }
  bool ParentFont() const { return FSettings.ParentFont; }
  void SetParentFont(bool value) { FSettings.ParentFont = value; }
  // A change of the font ends the use of the parent's, as for every control.
  TFontModel& Font() { return FFont; }
  TSizeConstraints& Constraints() { return FConstraints; }

  // The frame; the setters refuse values the frame cannot show, as the control's do.
  TBevelKind BevelKind() const { return FFrame.BevelKind; }
  void SetBevelKind(std::uint8_t kind);
  TBevelCut BevelInner() const { return FFrame.BevelInner; }
  TBevelCut BevelOuter() const { return FFrame.BevelOuter; }
  void SetBevelCut(int index, std::uint8_t cut);
  std::int32_t BorderWidth() const { return FFrame.BorderWidth; }
  void SetBorderWidth(std::int32_t width);

  std::int32_t Min() const { return FPosition.Min; }
  void SetMin(std::int32_t value) {
    if (!FLoading || !FPosition.HoldMin(value)) FPosition.SetMin(value, ClientWidth());
  }
  std::int32_t Max() const { return FPosition.Max; }
  void SetMax(std::int32_t value) { FPosition.SetMax(value, ClientWidth()); }
  std::int32_t Position() const { return FPosition.Position; }
  void SetPosition(std::int32_t value) { FPosition.SetPosition(value, ClientWidth(), this); }
  std::uint8_t RepaintStep() const { return FPosition.RepaintStep; }
  void SetRepaintStep(std::uint8_t step) { FPosition.BuildStepTable(step, ClientWidth()); }
  std::uint8_t RepaintStepOffset() const { return FPosition.RepaintStepOffset; }
  void SetRepaintStepOffset(std::uint8_t offset) { FPosition.SetRepaintStepOffset(offset, ClientWidth()); }
  bool WrapExceeded() const { return FPosition.WrapExceeded; }
  void SetWrapExceeded(bool value) { FPosition.WrapExceeded = value; }
  // The percentage the bar shows.
  std::uint8_t PerCent() const { return FPosition.FPerCent; }

  TColor ColorLeft() const { return FColorLeft; }
  void SetColorLeft(TColor color) { FColorLeft = color; }
  TColor ColorRight() const { return FColorRight; }
  void SetColorRight(TColor color) { FColorRight = color; }
  TColor FontColorLeft() const { return FFontColorLeft; }
  void SetFontColorLeft(TColor color) { FFontColorLeft = color; }
  TColor FontColorRight() const { return FFontColorRight; }
  void SetFontColorRight(TColor color) { FFontColorRight = color; }
  bool ShowText() const { return FShowText; }
  void SetShowText(bool value) { FShowText = value; }
  const std::string& Text() const { return FText; }
  void SetText(const std::string& text) { FText = text; }
  bool TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(bool value) { FTransparentColor = value; }
  TColor TransparentColorValue() const { return FTransparentColorValue; }
  void SetTransparentColorValue(TColor color) { FTransparentColorValue = color; }

  // The stream's loading mark, as the control's own: a Min held while it is set goes when it ends.
  void SetLoading(bool loading) {
    FLoading = loading;
    if (!loading) FPosition.ApplyHeldMin(ClientWidth());
  }

 private:
  void PerCentChanged(std::int16_t perCent) override;

  std::int32_t FTag = 0;
  std::int32_t FLeft = 0;
  std::int32_t FTop = 0;
  std::int32_t FWidth = 133;
  std::int32_t FHeight = 20;
  bool FVisible = true;
  bool FEnabled = true;
  TControlSettings FSettings;
  TFontModel FFont;
  TSizeConstraints FConstraints;
  TFrameSettings FFrame;
  TPositionModel FPosition;
  TColor FColorLeft = clNavy;
  TColor FColorRight = clWhite;
  TColor FFontColorLeft = clWhite;
  TColor FFontColorRight = clBlack;
  bool FShowText = true;
  std::string FText;
  bool FTransparentColor = false;
  TColor FTransparentColorValue = clWhite;
  bool FLoading = false;
};

}  // namespace zarnel::stream::testing
