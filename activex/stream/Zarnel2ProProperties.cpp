#include "Zarnel2ProProperties.h"

#include <array>
#include <string_view>

#include "PropertyBinding.h"
#include "StandardTypes.h"

namespace zarnel::stream {

namespace {

using TControl = IZarnel2ProPublished;
using TFont = IFontPublished;
using TConstraints = ISizeConstraintsPublished;

constexpr std::array<std::string_view, 2> HelpTypeNames{"htKeyword", "htContext"};
constexpr std::array<std::string_view, 7> AlignNames{"alNone",  "alTop",    "alBottom", "alLeft",
                                                     "alRight", "alClient", "alCustom"};
constexpr std::array<std::string_view, 4> AnchorNames{"akLeft", "akTop", "akRight", "akBottom"};
constexpr std::array<std::string_view, 4> BevelKindNames{"bkNone", "bkTile", "bkSoft", "bkFlat"};
constexpr std::array<std::string_view, 4> BevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::array<std::string_view, 3> FontPitchNames{"fpDefault", "fpVariable", "fpFixed"};
constexpr std::array<std::string_view, 4> FontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

constexpr TEnumType HelpTypeType{HelpTypeNames};
constexpr TEnumType AlignType{AlignNames};
constexpr TSetType AnchorsType{AnchorNames};
constexpr TEnumType BevelKindType{BevelKindNames};
constexpr TEnumType BevelCutType{BevelCutNames};
constexpr TEnumType FontPitchType{FontPitchNames};
constexpr TSetType FontStylesType{FontStyleNames};

TAnchors AnchorsImpliedBy(TAlign align) {
  using enum TAnchorKind;
  switch (align) {
    case TAlign::alTop:
      return {akLeft, akTop, akRight};
    case TAlign::alBottom:
      return {akLeft, akRight, akBottom};
    case TAlign::alLeft:
      return {akLeft, akTop, akBottom};
    case TAlign::alRight:
      return {akRight, akTop, akBottom};
    case TAlign::alClient:
      return {akLeft, akTop, akRight, akBottom};
    default:
      return {akLeft, akTop};
  }
}

TPropertyInfo BevelCutProperty(std::string_view name, TControl& control, TBevelCut (TControl::*get)() const,
                               TBevelCutIndex index, TBevelCut defaultValue) {
  return {name,
          TEnumProperty{&BevelCutType, [&control, get] { return static_cast<int>((control.*get)()); },
                        [&control, index](int cut) { control.SetBevelCut(index, static_cast<TBevelCut>(cut)); },
                        static_cast<int>(defaultValue)},
          {}};
}

TPropertyInfo EventProperty(std::string_view name, TControl& control, TZarnel2ProEvent event) {
  return {name,
          TEventProperty{[&control, event] { return control.IsEventAssigned(event); },
                         [&control, event] { control.ClearEvent(event); }},
          {}};
}

TPropertyTable ConstraintsProperties(TConstraints& constraints) {
  return TPropertyTable({
      IntegerProperty("MaxHeight", Int32Type, constraints, &TConstraints::MaxHeight, &TConstraints::SetMaxHeight, 0),
      IntegerProperty("MaxWidth", Int32Type, constraints, &TConstraints::MaxWidth, &TConstraints::SetMaxWidth, 0),
      IntegerProperty("MinHeight", Int32Type, constraints, &TConstraints::MinHeight, &TConstraints::SetMinHeight, 0),
      IntegerProperty("MinWidth", Int32Type, constraints, &TConstraints::MinWidth, &TConstraints::SetMinWidth, 0),
  });
}

}  // namespace

// The size is never stored: the height carries it.
TPropertyTable FontProperties(IFontPublished& font) {
  return TPropertyTable({
      IntegerProperty("Charset", CharsetType, font, &TFont::Charset, &TFont::SetCharset),
      IntegerProperty("Color", ColorType, font, &TFont::Color, &TFont::SetColor),
      IntegerProperty("Height", Int32Type, font, &TFont::Height, &TFont::SetHeight),
      StringProperty("Name", font, &TFont::Name, &TFont::SetName),
      EnumProperty("Pitch", FontPitchType, font, &TFont::Pitch, &TFont::SetPitch, TFontPitch::fpDefault),
      SetProperty("Style", FontStylesType, font, &TFont::Style, &TFont::SetStyle),
  });
}

TPropertyTable Zarnel2ProProperties(IZarnel2ProPublished& c) {
  using enum TZarnel2ProEvent;
  return TPropertyTable({
      IntegerProperty("Tag", Int32Type, c, &TControl::Tag, &TControl::SetTag, 0),
      IntegerProperty("Left", Int32Type, c, &TControl::Left, &TControl::SetLeft),
      IntegerProperty("Top", Int32Type, c, &TControl::Top, &TControl::SetTop),
      IntegerProperty("Width", Int32Type, c, &TControl::Width, &TControl::SetWidth),
      IntegerProperty("Height", Int32Type, c, &TControl::Height, &TControl::SetHeight),
      IntegerProperty("Cursor", CursorType, c, &TControl::Cursor, &TControl::SetCursor, 0),
      StringProperty("Hint", c, &TControl::Hint, &TControl::SetHint),
      EnumProperty("HelpType", HelpTypeType, c, &TControl::HelpType, &TControl::SetHelpType, THelpType::htContext),
      StringProperty("HelpKeyword", c, &TControl::HelpKeyword, &TControl::SetHelpKeyword),
      IntegerProperty("HelpContext", Int32Type, c, &TControl::HelpContext, &TControl::SetHelpContext, 0),
      IntegerProperty("RepaintStepOffset", ByteType, c, &TControl::RepaintStepOffset, &TControl::SetRepaintStepOffset),
      IntegerProperty("RepaintStep", ByteType, c, &TControl::RepaintStep, &TControl::SetRepaintStep),
      BooleanProperty("TransparentColor", c, &TControl::TransparentColor, &TControl::SetTransparentColor),
      IntegerProperty("TransparentColorValue", ColorType, c, &TControl::TransparentColorValue,
                      &TControl::SetTransparentColorValue),
      EnumProperty("Align", AlignType, c, &TControl::Align, &TControl::SetAlign, TAlign::alNone),
      StoredWhen(SetProperty("Anchors", AnchorsType, c, &TControl::Anchors, &TControl::SetAnchors,
                             TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop}),
                 [&c] { return c.Anchors() != AnchorsImpliedBy(c.Align()); }),
      IntegerProperty("ColorLeft", ColorType, c, &TControl::ColorLeft, &TControl::SetColorLeft),
      IntegerProperty("ColorRight", ColorType, c, &TControl::ColorRight, &TControl::SetColorRight),
      EnumProperty("BevelKind", BevelKindType, c, &TControl::BevelKind, &TControl::SetBevelKind, TBevelKind::bkNone),
      BevelCutProperty("BevelOuter", c, &TControl::BevelOuter, TBevelCutIndex::Outer, TBevelCut::bvLowered),
      BevelCutProperty("BevelInner", c, &TControl::BevelInner, TBevelCutIndex::Inner, TBevelCut::bvRaised),
      IntegerProperty("BorderWidth", Int32Type, c, &TControl::BorderWidth, &TControl::SetBorderWidth),
      ObjectProperty("Constraints", [&c] { return ConstraintsProperties(c.Constraints()); }),
      BooleanProperty("Enabled", c, &TControl::Enabled, &TControl::SetEnabled, true),
      // While ParentFont holds, the font is the container's ambient font and not the control's own.
      StoredWhen(ObjectProperty("Font", [&c] { return FontProperties(c.Font()); }), [&c] { return !c.ParentFont(); }),
      IntegerProperty("FontColorLeft", ColorType, c, &TControl::FontColorLeft, &TControl::SetFontColorLeft),
      IntegerProperty("FontColorRight", ColorType, c, &TControl::FontColorRight, &TControl::SetFontColorRight),
      IntegerProperty("Min", Int32Type, c, &TControl::Min, &TControl::SetMin, 0),
      IntegerProperty("Max", Int32Type, c, &TControl::Max, &TControl::SetMax, 100),
      BooleanProperty("ParentFont", c, &TControl::ParentFont, &TControl::SetParentFont, true),
      BooleanProperty("ParentShowHint", c, &TControl::ParentShowHint, &TControl::SetParentShowHint, true),
      IntegerProperty("Position", Int32Type, c, &TControl::Position, &TControl::SetPosition),
      StoredWhen(BooleanProperty("ShowHint", c, &TControl::ShowHint, &TControl::SetShowHint),
                 [&c] { return !c.ParentShowHint(); }),
      BooleanProperty("ShowText", c, &TControl::ShowText, &TControl::SetShowText, true),
      StringProperty("Text", c, &TControl::Text, &TControl::SetText),
      BooleanProperty("Visible", c, &TControl::Visible, &TControl::SetVisible, true),
      BooleanProperty("WrapExceeded", c, &TControl::WrapExceeded, &TControl::SetWrapExceeded, false),
      EventProperty("OnClick", c, OnClick),
      EventProperty("OnDblClick", c, OnDblClick),
      EventProperty("OnMouseDown", c, OnMouseDown),
      EventProperty("OnMouseUp", c, OnMouseUp),
      EventProperty("OnMouseMove", c, OnMouseMove),
      EventProperty("OnPerCentChange", c, OnPerCentChange),
  });
}

}  // namespace zarnel::stream
