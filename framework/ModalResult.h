#pragma once
#include <cstdint>

namespace zarnel {

// How a modal form ended; a button with a result other than mrNone ends its form's modal loop.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

}  // namespace zarnel
