#include "About1.h"

#include <memory>

#include "ComponentResource.h"
#include "FrameworkError.h"

namespace zarnel {

template <typename T>
T& TZarnelXAbout::Control(std::string_view name) {
  auto* control = dynamic_cast<T*>(FindComponent(name));
  if (!control) throw EFrameworkError(FormatText("Form layout has no control %s", {name}));
  return *control;
}

TZarnelXAbout::TZarnelXAbout(TComponent* owner) : TForm(owner) {
  ReadComponentResource(*this, "TZARNELXABOUT");
  FCtlImage = &Control<TSpeedButton>("CtlImage");
  FNameLbl = &Control<TLabel>("NameLbl");
  FDescLbl = &Control<TLabel>("DescLbl");
  FOkBtn = &Control<TButton>("OkBtn");
}

void ShowAboutBox() {
  const auto about = std::make_unique<TZarnelXAbout>(nullptr);
  about->ShowModal();
}

}  // namespace zarnel
