#include "ZarnelImpl1.h"

#include <oleauto.h>

#include <algorithm>
#include <array>

#include "Variant.h"
#include "Zarnel2Pro.h"

namespace zarnel {
namespace {

// The events' DISPIDs in the type library's IZarnelXEvents.
enum : DISPID {
  EventClick = 201,
  EventDblClick = 202,
  EventMouseDown = 203,
  EventMouseUp = 204,
  EventMouseMove = 205,
  EventPerCentChange = 206,
};

// Buttons and coordinates cross as VT_I4, the percentage as VT_I2.
VARIANT LongArgument(int32_t value) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT ShortArgument(int16_t value) {
  VARIANT v{};
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

}  // namespace

void TZarnelX::EventSinkChanged(IDispatch* sink) { FEventTarget = sink; }

// The sender is the control itself: containers only ever see the event's own parameters.
void TZarnelX::HookEvents() {
  TZarnel2Pro& control = *FProgressControl;
  control.OnClick = [this](TObject*) { FireEvent(EventClick, {}); };
  control.OnDblClick = [this](TObject*) { FireEvent(EventDblClick, {}); };
  const auto pressEvent = [this](DISPID id) {
    return [this, id](TObject*, TMouseButton button, int32_t x, int32_t y) {
      std::array arguments{LongArgument(button), LongArgument(x), LongArgument(y)};
      FireEvent(id, arguments);
    };
  };
  control.OnMouseDown = pressEvent(EventMouseDown);
  control.OnMouseUp = pressEvent(EventMouseUp);
  control.OnMouseMove = [this](TObject*, int32_t x, int32_t y) {
    std::array arguments{LongArgument(x), LongArgument(y)};
    FireEvent(EventMouseMove, arguments);
  };
  control.OnPerCentChange = [this](TObject*, int16_t perCent) {
    std::array arguments{ShortArgument(perCent)};
    FireEvent(EventPerCentChange, arguments);
  };
}

// arguments come in the event's declared order and go out last first, as IDispatch::Invoke takes them.
void TZarnelX::FireEvent(DISPID id, std::span<VARIANT> arguments) noexcept {
  // The sink may disconnect from inside its handler: the relay stays until the call returns.
  const Microsoft::WRL::ComPtr<IDispatch> target = FEventTarget;
  if (!target) return;
  std::reverse(arguments.begin(), arguments.end());
  DISPPARAMS params{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  TVariant result;
  TExceptionInfo exception;
  target->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), exception.get(), nullptr);
}

}  // namespace zarnel
