#pragma once
// The published properties of TZarnel2Pro in stream order, with the rules that decide whether each
// is written, bound to the control's own accessors, settings fields and event hooks. A template, so
// that the native model of the control (tests and fuzzers) is bound by the very same list. A new
// published property is one line here. No Windows headers.
#include <cstdint>
#include <string_view>

#include "ControlSettings.h"
#include "FontProperties.h"
#include "Frame.h"
#include "PropertyBinding.h"

namespace zarnel {

namespace published_detail {

inline TAnchors AnchorsImpliedBy(TAlign align) {
  switch (align) {
    case TAlign::alTop:
      return akLeft | akTop | akRight;
    case TAlign::alBottom:
      return akLeft | akRight | akBottom;
    case TAlign::alLeft:
      return akLeft | akTop | akBottom;
    case TAlign::alRight:
      return akRight | akTop | akBottom;
    case TAlign::alClient:
      return akLeft | akTop | akRight | akBottom;
    default:
      return akLeft | akTop;
  }
}

// BevelInner and BevelOuter share one setter that is told which of the two it writes.
template <typename TBar>
stream::TPropertyInfo BevelCutProperty(std::string_view name, TBar& bar, int index, TBevelCut defaultValue) {
  return {
      name,
      stream::TEnumProperty{
          &stream::BevelCutType,
          [&bar, index] { return static_cast<int>(index == BevelInnerIndex ? bar.BevelInner() : bar.BevelOuter()); },
          [&bar, index](int cut) { bar.SetBevelCut(index, static_cast<uint8_t>(cut)); },
          static_cast<int>(defaultValue)},
      {}};
}

// Size limits in pixels; 0, no limit, is not written.
template <typename TConstraints>
stream::TPropertyTable ConstraintsProperties(TConstraints& k) {
  using namespace stream;
  using C = TConstraints;
  return TPropertyTable({
      IntegerProperty("MaxHeight", Int32Type, k, &C::MaxHeight, &C::SetMaxHeight, 0),
      IntegerProperty("MaxWidth", Int32Type, k, &C::MaxWidth, &C::SetMaxWidth, 0),
      IntegerProperty("MinHeight", Int32Type, k, &C::MinHeight, &C::SetMinHeight, 0),
      IntegerProperty("MinWidth", Int32Type, k, &C::MinWidth, &C::SetMinWidth, 0),
  });
}

}  // namespace published_detail

// `bar` is a TZarnel2Pro, or an object with the same accessors.
template <typename TBar>
stream::TPropertyTable Zarnel2ProProperties(TBar& bar) {
  using namespace stream;
  using B = TBar;
  using published_detail::BevelCutProperty;
  TControlSettings& s = bar.Settings();
  return TPropertyTable({
      IntegerProperty("Tag", Int32Type, bar, &B::Tag, &B::SetTag, 0),
      IntegerProperty("Left", Int32Type, bar, &B::Left, &B::SetLeft),
      IntegerProperty("Top", Int32Type, bar, &B::Top, &B::SetTop),
      IntegerProperty("Width", Int32Type, bar, &B::Width, &B::SetWidth),
      IntegerProperty("Height", Int32Type, bar, &B::Height, &B::SetHeight),
      IntegerProperty("Cursor", CursorType, s, &TControlSettings::Cursor, 0),
      StringProperty("Hint", s, &TControlSettings::Hint),
      EnumProperty("HelpType", HelpTypeType, s, &TControlSettings::HelpType, THelpType::htContext),
      StringProperty("HelpKeyword", s, &TControlSettings::HelpKeyword),
      IntegerProperty("HelpContext", Int32Type, s, &TControlSettings::HelpContext, 0),
      IntegerProperty("RepaintStepOffset", Int32Type, bar, &B::RepaintStepOffset, &B::SetRepaintStepOffset),
      IntegerProperty("RepaintStep", Int32Type, bar, &B::RepaintStep, &B::SetRepaintStep),
      BooleanProperty("TransparentColor", bar, &B::TransparentColor, &B::SetTransparentColor),
      IntegerProperty("TransparentColorValue", ColorType, bar, &B::TransparentColorValue, &B::SetTransparentColorValue),
      EnumProperty("Align", AlignType, s, &TControlSettings::Align, TAlign::alNone),
      StoredWhen(SetProperty("Anchors", AnchorsType, s, &TControlSettings::Anchors, TAnchors(akLeft | akTop)),
                 [&s] { return s.Anchors != published_detail::AnchorsImpliedBy(s.Align); }),
      IntegerProperty("ColorLeft", ColorType, bar, &B::ColorLeft, &B::SetColorLeft),
      IntegerProperty("ColorRight", ColorType, bar, &B::ColorRight, &B::SetColorRight),
      EnumProperty("BevelKind", BevelKindType, bar, &B::BevelKind, &B::SetBevelKind, bkNone),
      BevelCutProperty("BevelOuter", bar, BevelOuterIndex, bvLowered),
      BevelCutProperty("BevelInner", bar, BevelInnerIndex, bvRaised),
      IntegerProperty("BorderWidth", Int32Type, bar, &B::BorderWidth, &B::SetBorderWidth),
      ObjectProperty("Constraints", [&bar] { return published_detail::ConstraintsProperties(bar.Constraints()); }),
      BooleanProperty("Enabled", bar, &B::Enabled, &B::SetEnabled, true),
      // While ParentFont holds, the font is the container's ambient font and not the control's own.
      StoredWhen(ObjectProperty("Font", [&bar] { return FontProperties(bar.Font()); }),
                 [&bar] { return !bar.ParentFont(); }),
      IntegerProperty("FontColorLeft", ColorType, bar, &B::FontColorLeft, &B::SetFontColorLeft),
      IntegerProperty("FontColorRight", ColorType, bar, &B::FontColorRight, &B::SetFontColorRight),
      IntegerProperty("Min", Int32Type, bar, &B::Min, &B::SetMin, 0),
      IntegerProperty("Max", Int32Type, bar, &B::Max, &B::SetMax, 100),
      BooleanProperty("ParentFont", bar, &B::ParentFont, &B::SetParentFont, true),
      BooleanProperty("ParentShowHint", s, &TControlSettings::ParentShowHint, true),
      IntegerProperty("Position", Int32Type, bar, &B::Position, &B::SetPosition),
      StoredWhen(BooleanProperty("ShowHint", s, &TControlSettings::ShowHint), [&s] { return !s.ParentShowHint; }),
      BooleanProperty("ShowText", bar, &B::ShowText, &B::SetShowText, true),
      StringProperty("Text", bar, &B::Text, &B::SetText),
      BooleanProperty("Visible", bar, &B::Visible, &B::SetVisible, true),
      BooleanProperty("WrapExceeded", bar, &B::WrapExceeded, &B::SetWrapExceeded, false),
      EventProperty("OnClick", bar, &B::OnClick),
      EventProperty("OnDblClick", bar, &B::OnDblClick),
      EventProperty("OnMouseDown", bar, &B::OnMouseDown),
      EventProperty("OnMouseUp", bar, &B::OnMouseUp),
      EventProperty("OnMouseMove", bar, &B::OnMouseMove),
      EventProperty("OnPerCentChange", bar, &B::OnPerCentChange),
  });
}

}  // namespace zarnel
