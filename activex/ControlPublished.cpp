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

TZarnel2ProStreamComponent::TZarnel2ProStreamComponent(TZarnel2Pro& control)
    : detail::TPublishedHolder(control), stream::TZarnel2ProComponent(FPublished), FControl(control) {
  stream::TZarnel2ProComponent::SetName(control.Name());
}

void TZarnel2ProStreamComponent::SetName(std::string_view name) {
  stream::TZarnel2ProComponent::SetName(name);
  FControl.SetName(std::string(name));
}

void TZarnel2ProStreamComponent::SetLoading(bool loading) noexcept {
  stream::TZarnel2ProComponent::SetLoading(loading);
  FControl.SetLoadingMark(loading);
}

void TZarnel2ProStreamComponent::SetReading(bool reading) noexcept {
  stream::TZarnel2ProComponent::SetReading(reading);
  FControl.SetReadingMark(reading);
}

void TZarnel2ProStreamComponent::Loaded() {
  stream::TZarnel2ProComponent::Loaded();
  FControl.Loaded();
}

}  // namespace zarnel
