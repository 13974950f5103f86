#pragma once
#include "Component.h"

namespace zarnel {

// Reads the component stream kept in this module as the RCDATA resource `resourceName` into
// `root`, creating the child components it names (a form's layout). Errors of the stream pass on;
// a missing resource is an EFrameworkError.
void ReadComponentResource(TComponent& root, const char* resourceName);

}  // namespace zarnel
