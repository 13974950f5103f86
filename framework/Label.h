#pragma once
#include <string>

#include "GraphicControl.h"

namespace zarnel {

// A line of text drawn by its parent, on the parent's colour, sized to its text.
class TLabel final : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner) : TGraphicControl(owner) {}

  std::string_view ClassName() const override { return "TLabel"; }
  stream::TPropertyTable PublishedProperties() override;
  void Loaded() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);

 protected:
  void Paint() override;
  void FontChanged() override;

 private:
  // Takes the size of the text; the top-left corner stays where it is.
  void AdjustBounds();

  std::string FCaption;
};

}  // namespace zarnel
