#pragma once
// The progress control's published properties as the component stream sees them, read and written
// through the control's own getters and setters.
#include "FontPublished.h"
#include "Zarnel2Pro.h"
#include "Zarnel2ProPublished.h"

namespace zarnel {

class TZarnel2ProPublished final : public stream::IZarnel2ProPublished {
 public:
  explicit TZarnel2ProPublished(TZarnel2Pro& control);

  int32_t Tag() const override { return FControl.Tag(); }
  void SetTag(int32_t v) override { FControl.SetTag(v); }
  int32_t Left() const override { return FControl.Left(); }
  void SetLeft(int32_t v) override { FControl.SetLeft(v); }
  int32_t Top() const override { return FControl.Top(); }
  void SetTop(int32_t v) override { FControl.SetTop(v); }
  int32_t Width() const override { return FControl.Width(); }
  void SetWidth(int32_t v) override { FControl.SetWidth(v); }
  int32_t Height() const override { return FControl.Height(); }
  void SetHeight(int32_t v) override { FControl.SetHeight(v); }
  int16_t Cursor() const override { return Settings().Cursor; }
  void SetCursor(int16_t v) override { FControl.Settings().Cursor = v; }
  std::string Hint() const override { return Settings().Hint; }
  void SetHint(const std::string& v) override { FControl.Settings().Hint = v; }
  stream::THelpType HelpType() const override { return static_cast<stream::THelpType>(Settings().HelpType); }
  void SetHelpType(stream::THelpType v) override { FControl.Settings().HelpType = static_cast<THelpType>(v); }
  std::string HelpKeyword() const override { return Settings().HelpKeyword; }
  void SetHelpKeyword(const std::string& v) override { FControl.Settings().HelpKeyword = v; }
  int32_t HelpContext() const override { return Settings().HelpContext; }
  void SetHelpContext(int32_t v) override { FControl.Settings().HelpContext = v; }
  uint8_t RepaintStepOffset() const override { return FControl.RepaintStepOffset(); }
  void SetRepaintStepOffset(uint8_t v) override { FControl.SetRepaintStepOffset(v); }
  uint8_t RepaintStep() const override { return FControl.RepaintStep(); }
  void SetRepaintStep(uint8_t v) override { FControl.SetRepaintStep(v); }
  bool TransparentColor() const override { return FControl.TransparentColor(); }
  void SetTransparentColor(bool v) override { FControl.SetTransparentColor(v); }
  stream::TColor TransparentColorValue() const override { return FControl.TransparentColorValue(); }
  void SetTransparentColorValue(stream::TColor v) override { FControl.SetTransparentColorValue(v); }
  stream::TAlign Align() const override { return static_cast<stream::TAlign>(Settings().Align); }
  void SetAlign(stream::TAlign v) override { FControl.Settings().Align = static_cast<TAlign>(v); }
  stream::TAnchors Anchors() const override { return stream::TAnchors::FromBits(Settings().Anchors); }
  void SetAnchors(stream::TAnchors v) override { FControl.Settings().Anchors = static_cast<TAnchors>(v.Bits()); }
  stream::TColor ColorLeft() const override { return FControl.ColorLeft(); }
  void SetColorLeft(stream::TColor v) override { FControl.SetColorLeft(v); }
  stream::TColor ColorRight() const override { return FControl.ColorRight(); }
  void SetColorRight(stream::TColor v) override { FControl.SetColorRight(v); }
  stream::TBevelKind BevelKind() const override { return static_cast<stream::TBevelKind>(FControl.BevelKind()); }
  void SetBevelKind(stream::TBevelKind v) override { FControl.SetBevelKind(static_cast<uint8_t>(v)); }
  stream::TBevelCut BevelOuter() const override { return static_cast<stream::TBevelCut>(FControl.BevelOuter()); }
  stream::TBevelCut BevelInner() const override { return static_cast<stream::TBevelCut>(FControl.BevelInner()); }
  void SetBevelCut(stream::TBevelCutIndex index, stream::TBevelCut v) override {
    FControl.SetBevelCut(static_cast<int>(index), static_cast<uint8_t>(v));
  }
  int32_t BorderWidth() const override { return FControl.BorderWidth(); }
  void SetBorderWidth(int32_t v) override { FControl.SetBorderWidth(v); }
  stream::ISizeConstraintsPublished& Constraints() override { return FConstraints; }
  bool Enabled() const override { return FControl.Enabled(); }
  void SetEnabled(bool v) override { FControl.SetEnabled(v); }
  stream::IFontPublished& Font() override { return FFont; }
  stream::TColor FontColorLeft() const override { return FControl.FontColorLeft(); }
  void SetFontColorLeft(stream::TColor v) override { FControl.SetFontColorLeft(v); }
  stream::TColor FontColorRight() const override { return FControl.FontColorRight(); }
  void SetFontColorRight(stream::TColor v) override { FControl.SetFontColorRight(v); }
  int32_t Min() const override { return FControl.Min(); }
  void SetMin(int32_t v) override { FControl.SetMin(v); }
  int32_t Max() const override { return FControl.Max(); }
  void SetMax(int32_t v) override { FControl.SetMax(v); }
  bool ParentFont() const override { return Settings().ParentFont; }
  void SetParentFont(bool v) override { FControl.Settings().ParentFont = v; }
  bool ParentShowHint() const override { return Settings().ParentShowHint; }
  void SetParentShowHint(bool v) override { FControl.Settings().ParentShowHint = v; }
  int32_t Position() const override { return FControl.Position(); }
  void SetPosition(int32_t v) override { FControl.SetPosition(v); }
  bool ShowHint() const override { return Settings().ShowHint; }
  void SetShowHint(bool v) override { FControl.Settings().ShowHint = v; }
  bool ShowText() const override { return FControl.ShowText(); }
  void SetShowText(bool v) override { FControl.SetShowText(v); }
  std::string Text() const override { return FControl.Text(); }
  void SetText(const std::string& v) override { FControl.SetText(v); }
  bool Visible() const override { return FControl.Visible(); }
  void SetVisible(bool v) override { FControl.SetVisible(v); }
  bool WrapExceeded() const override { return FControl.WrapExceeded(); }
  void SetWrapExceeded(bool v) override { FControl.SetWrapExceeded(v); }

  bool IsEventAssigned(stream::TZarnel2ProEvent event) const override;
  void ClearEvent(stream::TZarnel2ProEvent event) override;

 private:
  class TConstraintsView final : public stream::ISizeConstraintsPublished {
   public:
    explicit TConstraintsView(TSizeConstraints& c) : FConstraints(c) {}
    int32_t MaxHeight() const override { return FConstraints.MaxHeight(); }
    void SetMaxHeight(int32_t v) override { FConstraints.SetMaxHeight(v); }
    int32_t MaxWidth() const override { return FConstraints.MaxWidth(); }
    void SetMaxWidth(int32_t v) override { FConstraints.SetMaxWidth(v); }
    int32_t MinHeight() const override { return FConstraints.MinHeight(); }
    void SetMinHeight(int32_t v) override { FConstraints.SetMinHeight(v); }
    int32_t MinWidth() const override { return FConstraints.MinWidth(); }
    void SetMinWidth(int32_t v) override { FConstraints.SetMinWidth(v); }

   private:
    TSizeConstraints& FConstraints;
  };

  const TControlSettings& Settings() const { return FControl.Settings(); }

  TZarnel2Pro& FControl;
  TFontPublished FFont;
  TConstraintsView FConstraints;
};

}  // namespace zarnel
