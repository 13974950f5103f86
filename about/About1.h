#pragma once
// The About box: a modal dialog that names the control, laid out from the form resource
// TZARNELXABOUT of this module.
#include "Button.h"
#include "Form.h"
#include "Label.h"
#include "SpeedButton.h"

namespace zarnel {

class TZarnelXAbout final : public TForm {
 public:
  // Reads the layout; the form has no owner unless one is given.
  explicit TZarnelXAbout(TComponent* owner);

  std::string_view ClassName() const override { return "TZarnelXAbout"; }

  TSpeedButton& CtlImage() { return *FCtlImage; }
  TLabel& NameLbl() { return *FNameLbl; }
  TLabel& DescLbl() { return *FDescLbl; }
  TButton& OkBtn() { return *FOkBtn; }

 private:
  template <typename T>
  T& Control(std::string_view name);

  TSpeedButton* FCtlImage = nullptr;
  TLabel* FNameLbl = nullptr;
  TLabel* FDescLbl = nullptr;
  TButton* FOkBtn = nullptr;
};

// Shows the About box modally and destroys it when it closes, also when it could not be shown.
void ShowAboutBox();

}  // namespace zarnel
