#pragma once

#include <cstdint>
#include <string>

#include "Zarnel2ProTypes.h"

namespace zarnel::stream {

// The control's font as far as it is published.
class IFontPublished {
 public:
  virtual ~IFontPublished() = default;
  virtual std::uint8_t Charset() const = 0;
  virtual void SetCharset(std::uint8_t charset) = 0;
  virtual TColor Color() const = 0;
  virtual void SetColor(TColor color) = 0;
  virtual std::int32_t Height() const = 0;
  virtual void SetHeight(std::int32_t height) = 0;
  virtual std::string Name() const = 0;
  virtual void SetName(const std::string& name) = 0;
  virtual TFontPitch Pitch() const = 0;
  virtual void SetPitch(TFontPitch pitch) = 0;
  virtual TFontStyles Style() const = 0;
  virtual void SetStyle(TFontStyles style) = 0;
};

// The control's size limits; 0 means no limit.
class ISizeConstraintsPublished {
 public:
  virtual ~ISizeConstraintsPublished() = default;
  virtual std::int32_t MaxHeight() const = 0;
  virtual void SetMaxHeight(std::int32_t value) = 0;
  virtual std::int32_t MaxWidth() const = 0;
  virtual void SetMaxWidth(std::int32_t value) = 0;
  virtual std::int32_t MinHeight() const = 0;
  virtual void SetMinHeight(std::int32_t value) = 0;
  virtual std::int32_t MinWidth() const = 0;
  virtual void SetMinWidth(std::int32_t value) = 0;
};

// The published properties of TZarnel2Pro: getters read the property, setters are the property
// writes with all their effects (repaints included).
class IZarnel2ProPublished {
 public:
  virtual ~IZarnel2ProPublished() = default;

  virtual std::int32_t Tag() const = 0;
  virtual void SetTag(std::int32_t value) = 0;
  virtual std::int32_t Left() const = 0;
  virtual void SetLeft(std::int32_t value) = 0;
  virtual std::int32_t Top() const = 0;
  virtual void SetTop(std::int32_t value) = 0;
  virtual std::int32_t Width() const = 0;
  virtual void SetWidth(std::int32_t value) = 0;
  virtual std::int32_t Height() const = 0;
  virtual void SetHeight(std::int32_t value) = 0;
  virtual std::int16_t Cursor() const = 0;
  virtual void SetCursor(std::int16_t value) = 0;
  virtual std::string Hint() const = 0;
  virtual void SetHint(const std::string& value) = 0;
  virtual THelpType HelpType() const = 0;
  virtual void SetHelpType(THelpType value) = 0;
  virtual std::string HelpKeyword() const = 0;
  virtual void SetHelpKeyword(const std::string& value) = 0;
  virtual std::int32_t HelpContext() const = 0;
  virtual void SetHelpContext(std::int32_t value) = 0;
  virtual std::uint8_t RepaintStepOffset() const = 0;
  virtual void SetRepaintStepOffset(std::uint8_t value) = 0;
  virtual std::uint8_t RepaintStep() const = 0;
  virtual void SetRepaintStep(std::uint8_t value) = 0;
  virtual bool TransparentColor() const = 0;
  virtual void SetTransparentColor(bool value) = 0;
  virtual TColor TransparentColorValue() const = 0;
  virtual void SetTransparentColorValue(TColor value) = 0;
  virtual TAlign Align() const = 0;
  virtual void SetAlign(TAlign value) = 0;
  virtual TAnchors Anchors() const = 0;
  virtual void SetAnchors(TAnchors value) = 0;
  virtual TColor ColorLeft() const = 0;
  virtual void SetColorLeft(TColor value) = 0;
  virtual TColor ColorRight() const = 0;
  virtual void SetColorRight(TColor value) = 0;
  virtual TBevelKind BevelKind() const = 0;
  virtual void SetBevelKind(TBevelKind value) = 0;
  virtual TBevelCut BevelOuter() const = 0;
  virtual TBevelCut BevelInner() const = 0;
  // BevelInner and BevelOuter share one setter that is told which of the two it writes.
  virtual void SetBevelCut(TBevelCutIndex index, TBevelCut value) = 0;
  virtual std::int32_t BorderWidth() const = 0;
  virtual void SetBorderWidth(std::int32_t value) = 0;
  virtual ISizeConstraintsPublished& Constraints() = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool value) = 0;
  virtual IFontPublished& Font() = 0;
  virtual TColor FontColorLeft() const = 0;
  virtual void SetFontColorLeft(TColor value) = 0;
  virtual TColor FontColorRight() const = 0;
  virtual void SetFontColorRight(TColor value) = 0;
  virtual std::int32_t Min() const = 0;
  virtual void SetMin(std::int32_t value) = 0;
  virtual std::int32_t Max() const = 0;
  virtual void SetMax(std::int32_t value) = 0;
  virtual bool ParentFont() const = 0;
  virtual void SetParentFont(bool value) = 0;
  virtual bool ParentShowHint() const = 0;
  virtual void SetParentShowHint(bool value) = 0;
  virtual std::int32_t Position() const = 0;
  virtual void SetPosition(std::int32_t value) = 0;
  virtual bool ShowHint() const = 0;
  virtual void SetShowHint(bool value) = 0;
  virtual bool ShowText() const = 0;
  virtual void SetShowText(bool value) = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& value) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool value) = 0;
  virtual bool WrapExceeded() const = 0;
  virtual void SetWrapExceeded(bool value) = 0;

  virtual bool IsEventAssigned(TZarnel2ProEvent event) const = 0;
  virtual void ClearEvent(TZarnel2ProEvent event) = 0;
};

}  // namespace zarnel::stream
