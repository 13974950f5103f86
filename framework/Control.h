#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "Component.h"
#include "ControlSettings.h"
#include "Font.h"

namespace zarnel {

class TWinControl;

// What every control has, whether it owns a window or is drawn by its parent: the parent, bounds in
// the parent's client coordinates, visibility, the enabled state, a font and the published settings.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void SetLeft(int32_t v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int32_t v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int32_t v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int32_t v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool v);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);

  TFont& Font() { return FFont; }
  // The font the control draws with: its parent's while ParentFont holds, else its own.
  TFont& EffectiveFont();
  // Alignment, anchors, cursor, hints, font inheritance and help settings, kept as published.
  TControlSettings& Settings() { return FSettings; }
  const TControlSettings& Settings() const { return FSettings; }
  bool ParentFont() const { return FSettings.ParentFont; }
  void SetParentFont(bool value);
  // The parent's font changed: a control that uses it reacts as to a change of its own.
  void ParentFontChanged() {
    if (FSettings.ParentFont) FontChanged();
  }

  // Asks for the control's area to be drawn again at the next paint request.
  virtual void Invalidate();

 protected:
  virtual void FontChanged() { Invalidate(); }
  // Left, Top, Width and Height, for the published property tables of the controls.
  std::vector<stream::TPropertyInfo> BoundsProperties();

  int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TFont FFont;
  TControlSettings FSettings;

 private:
  // The control's area in its parent, visible or not.
  void InvalidateArea();

  TWinControl* FParent = nullptr;
};

}  // namespace zarnel
