#include "ControlPublished.h"

namespace zarnel {
namespace {

using stream::TZarnel2ProEvent;

}  // namespace

TZarnel2ProPublished::TZarnel2ProPublished(TZarnel2Pro& control)
    : FControl(control), FFont(control.Font()), FConstraints(control.Constraints()) {}

bool TZarnel2ProPublished::IsEventAssigned(TZarnel2ProEvent event) const {
  switch (event) {
    case TZarnel2ProEvent::OnClick:
      return static_cast<bool>(FControl.OnClick);
    case TZarnel2ProEvent::OnDblClick:
      return static_cast<bool>(FControl.OnDblClick);
    case TZarnel2ProEvent::OnMouseDown:
      return static_cast<bool>(FControl.OnMouseDown);
    case TZarnel2ProEvent::OnMouseUp:
      return static_cast<bool>(FControl.OnMouseUp);
    case TZarnel2ProEvent::OnMouseMove:
      return static_cast<bool>(FControl.OnMouseMove);
    case TZarnel2ProEvent::OnPerCentChange:
      return static_cast<bool>(FControl.OnPerCentChange);
  }
  return false;
}

void TZarnel2ProPublished::ClearEvent(TZarnel2ProEvent event) {
  switch (event) {
    case TZarnel2ProEvent::OnClick:
      FControl.OnClick = nullptr;
      break;
    case TZarnel2ProEvent::OnDblClick:
      FControl.OnDblClick = nullptr;
      break;
    case TZarnel2ProEvent::OnMouseDown:
      FControl.OnMouseDown = nullptr;
      break;
    case TZarnel2ProEvent::OnMouseUp:
      FControl.OnMouseUp = nullptr;
      break;
    case TZarnel2ProEvent::OnMouseMove:
      FControl.OnMouseMove = nullptr;
      break;
    case TZarnel2ProEvent::OnPerCentChange:
      FControl.OnPerCentChange = nullptr;
      break;
  }
}

}  // namespace zarnel
