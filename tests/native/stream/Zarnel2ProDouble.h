#pragma once

#include <array>
#include <string>
#include <vector>

#include "Zarnel2ProPublished.h"

namespace zarnel::stream::testing {

struct TFontState {
  std::uint8_t charset = 1;
  TColor color = 0xFF000008;
  std::int32_t height = -11;
  std::string name = "MS Sans Serif";
  TFontPitch pitch = TFontPitch::fpDefault;
  TFontStyles style;
  bool operator==(const TFontState&) const = default;
};

struct TConstraintsState {
  std::int32_t maxHeight = 0;
  std::int32_t maxWidth = 0;
  std::int32_t minHeight = 0;
  std::int32_t minWidth = 0;
  bool operator==(const TConstraintsState&) const = default;
};

// The published state of a new control, hooked to TZarnelX as in a live object (all events assigned).
struct TZarnel2ProState {
  std::int32_t tag = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 133;
  std::int32_t height = 20;
  std::int16_t cursor = 0;
  std::string hint;
  THelpType helpType = THelpType::htContext;
  std::string helpKeyword;
  std::int32_t helpContext = 0;
  std::uint8_t repaintStepOffset = 0;
  std::uint8_t repaintStep = 0;
  bool transparentColor = false;
  TColor transparentColorValue = 0xFFFFFF;
  TAlign align = TAlign::alNone;
  TAnchors anchors{TAnchorKind::akLeft, TAnchorKind::akTop};
  TColor colorLeft = 0x800000;
  TColor colorRight = 0xFFFFFF;
  TBevelKind bevelKind = TBevelKind::bkNone;
  TBevelCut bevelOuter = TBevelCut::bvLowered;
  TBevelCut bevelInner = TBevelCut::bvRaised;
  std::int32_t borderWidth = 0;
  TConstraintsState constraints;
  bool enabled = true;
  TFontState font;
  TColor fontColorLeft = 0xFFFFFF;
  TColor fontColorRight = 0x000000;
  std::int32_t min = 0;
  std::int32_t max = 100;
  bool parentFont = true;
  bool parentShowHint = true;
  std::int32_t position = 20;
  bool showHint = false;
  bool showText = true;
  std::string text;
  bool visible = true;
  bool wrapExceeded = false;
  std::array<bool, 6> eventAssigned{true, true, true, true, true, true};
  bool operator==(const TZarnel2ProState&) const = default;
};

// Stands in for the control: plain state, plus the name of every property write in call order
// (nested ones as "Font.Height").
class TZarnel2ProDouble final : public IZarnel2ProPublished {
 public:
  TZarnel2ProDouble() = default;
  TZarnel2ProDouble(const TZarnel2ProDouble&) = delete;
  TZarnel2ProDouble& operator=(const TZarnel2ProDouble&) = delete;

  TZarnel2ProState state;
  std::vector<std::string> writes;

  std::int32_t Tag() const override { return state.tag; }
  void SetTag(std::int32_t v) override { Record(state.tag, v, "Tag"); }
  std::int32_t Left() const override { return state.left; }
  void SetLeft(std::int32_t v) override { Record(state.left, v, "Left"); }
  std::int32_t Top() const override { return state.top; }
  void SetTop(std::int32_t v) override { Record(state.top, v, "Top"); }
  std::int32_t Width() const override { return state.width; }
  void SetWidth(std::int32_t v) override { Record(state.width, v, "Width"); }
  std::int32_t Height() const override { return state.height; }
  void SetHeight(std::int32_t v) override { Record(state.height, v, "Height"); }
  std::int16_t Cursor() const override { return state.cursor; }
  void SetCursor(std::int16_t v) override { Record(state.cursor, v, "Cursor"); }
  std::string Hint() const override { return state.hint; }
  void SetHint(const std::string& v) override { Record(state.hint, v, "Hint"); }
  THelpType HelpType() const override { return state.helpType; }
  void SetHelpType(THelpType v) override { Record(state.helpType, v, "HelpType"); }
  std::string HelpKeyword() const override { return state.helpKeyword; }
  void SetHelpKeyword(const std::string& v) override { Record(state.helpKeyword, v, "HelpKeyword"); }
  std::int32_t HelpContext() const override { return state.helpContext; }
  void SetHelpContext(std::int32_t v) override { Record(state.helpContext, v, "HelpContext"); }
  std::uint8_t RepaintStepOffset() const override { return state.repaintStepOffset; }
  void SetRepaintStepOffset(std::uint8_t v) override { Record(state.repaintStepOffset, v, "RepaintStepOffset"); }
  std::uint8_t RepaintStep() const override { return state.repaintStep; }
  void SetRepaintStep(std::uint8_t v) override { Record(state.repaintStep, v, "RepaintStep"); }
  bool TransparentColor() const override { return state.transparentColor; }
  void SetTransparentColor(bool v) override { Record(state.transparentColor, v, "TransparentColor"); }
  TColor TransparentColorValue() const override { return state.transparentColorValue; }
  void SetTransparentColorValue(TColor v) override { Record(state.transparentColorValue, v, "TransparentColorValue"); }
  TAlign Align() const override { return state.align; }
  void SetAlign(TAlign v) override { Record(state.align, v, "Align"); }
  TAnchors Anchors() const override { return state.anchors; }
  void SetAnchors(TAnchors v) override { Record(state.anchors, v, "Anchors"); }
  TColor ColorLeft() const override { return state.colorLeft; }
  void SetColorLeft(TColor v) override { Record(state.colorLeft, v, "ColorLeft"); }
  TColor ColorRight() const override { return state.colorRight; }
  void SetColorRight(TColor v) override { Record(state.colorRight, v, "ColorRight"); }
  TBevelKind BevelKind() const override { return state.bevelKind; }
  void SetBevelKind(TBevelKind v) override { Record(state.bevelKind, v, "BevelKind"); }
  TBevelCut BevelOuter() const override { return state.bevelOuter; }
  TBevelCut BevelInner() const override { return state.bevelInner; }
  void SetBevelCut(TBevelCutIndex index, TBevelCut v) override;
  std::int32_t BorderWidth() const override { return state.borderWidth; }
  void SetBorderWidth(std::int32_t v) override { Record(state.borderWidth, v, "BorderWidth"); }
  ISizeConstraintsPublished& Constraints() override { return FConstraints; }
  bool Enabled() const override { return state.enabled; }
  void SetEnabled(bool v) override { Record(state.enabled, v, "Enabled"); }
  IFontPublished& Font() override { return FFont; }
  TColor FontColorLeft() const override { return state.fontColorLeft; }
  void SetFontColorLeft(TColor v) override { Record(state.fontColorLeft, v, "FontColorLeft"); }
  TColor FontColorRight() const override { return state.fontColorRight; }
  void SetFontColorRight(TColor v) override { Record(state.fontColorRight, v, "FontColorRight"); }
  std::int32_t Min() const override { return state.min; }
  void SetMin(std::int32_t v) override { Record(state.min, v, "Min"); }
  std::int32_t Max() const override { return state.max; }
  void SetMax(std::int32_t v) override { Record(state.max, v, "Max"); }
  bool ParentFont() const override { return state.parentFont; }
  void SetParentFont(bool v) override { Record(state.parentFont, v, "ParentFont"); }
  bool ParentShowHint() const override { return state.parentShowHint; }
  void SetParentShowHint(bool v) override { Record(state.parentShowHint, v, "ParentShowHint"); }
  std::int32_t Position() const override { return state.position; }
  void SetPosition(std::int32_t v) override { Record(state.position, v, "Position"); }
  bool ShowHint() const override { return state.showHint; }
  void SetShowHint(bool v) override { Record(state.showHint, v, "ShowHint"); }
  bool ShowText() const override { return state.showText; }
  void SetShowText(bool v) override { Record(state.showText, v, "ShowText"); }
  std::string Text() const override { return state.text; }
  void SetText(const std::string& v) override { Record(state.text, v, "Text"); }
  bool Visible() const override { return state.visible; }
  void SetVisible(bool v) override { Record(state.visible, v, "Visible"); }
  bool WrapExceeded() const override { return state.wrapExceeded; }
  void SetWrapExceeded(bool v) override { Record(state.wrapExceeded, v, "WrapExceeded"); }
  bool IsEventAssigned(TZarnel2ProEvent event) const override;
  void ClearEvent(TZarnel2ProEvent event) override;

 private:
  template <typename T>
  void Record(T& field, const T& value, const char* name) {
    field = value;
    writes.emplace_back(name);
  }

  class TFontDouble final : public IFontPublished {
   public:
    explicit TFontDouble(TZarnel2ProDouble& owner) : FOwner(owner) {}
    std::uint8_t Charset() const override { return FOwner.state.font.charset; }
    void SetCharset(std::uint8_t v) override { FOwner.Record(FOwner.state.font.charset, v, "Font.Charset"); }
    TColor Color() const override { return FOwner.state.font.color; }
    void SetColor(TColor v) override { FOwner.Record(FOwner.state.font.color, v, "Font.Color"); }
    std::int32_t Height() const override { return FOwner.state.font.height; }
    void SetHeight(std::int32_t v) override { FOwner.Record(FOwner.state.font.height, v, "Font.Height"); }
    std::string Name() const override { return FOwner.state.font.name; }
    void SetName(const std::string& v) override { FOwner.Record(FOwner.state.font.name, v, "Font.Name"); }
    TFontPitch Pitch() const override { return FOwner.state.font.pitch; }
    void SetPitch(TFontPitch v) override { FOwner.Record(FOwner.state.font.pitch, v, "Font.Pitch"); }
    TFontStyles Style() const override { return FOwner.state.font.style; }
    void SetStyle(TFontStyles v) override { FOwner.Record(FOwner.state.font.style, v, "Font.Style"); }

   private:
    TZarnel2ProDouble& FOwner;
  };

  class TConstraintsDouble final : public ISizeConstraintsPublished {
   public:
    explicit TConstraintsDouble(TZarnel2ProDouble& owner) : FOwner(owner) {}
    std::int32_t MaxHeight() const override { return FOwner.state.constraints.maxHeight; }
    void SetMaxHeight(std::int32_t v) override {
      FOwner.Record(FOwner.state.constraints.maxHeight, v, "Constraints.MaxHeight");
    }
    std::int32_t MaxWidth() const override { return FOwner.state.constraints.maxWidth; }
    void SetMaxWidth(std::int32_t v) override {
      FOwner.Record(FOwner.state.constraints.maxWidth, v, "Constraints.MaxWidth");
    }
    std::int32_t MinHeight() const override { return FOwner.state.constraints.minHeight; }
    void SetMinHeight(std::int32_t v) override {
      FOwner.Record(FOwner.state.constraints.minHeight, v, "Constraints.MinHeight");
    }
    std::int32_t MinWidth() const override { return FOwner.state.constraints.minWidth; }
    void SetMinWidth(std::int32_t v) override {
      FOwner.Record(FOwner.state.constraints.minWidth, v, "Constraints.MinWidth");
    }

   private:
    TZarnel2ProDouble& FOwner;
  };

  TFontDouble FFont{*this};
  TConstraintsDouble FConstraints{*this};
};

}  // namespace zarnel::stream::testing
