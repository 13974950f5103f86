#pragma once
#include <windows.h>

namespace zarnel {

// Module start: the server object and the control's one class factory. Raises when the module's own
// type information does not describe the control class.
void StartServer(HINSTANCE module);
// Module end: the factory and the server go.
void StopServer() noexcept;

}  // namespace zarnel
