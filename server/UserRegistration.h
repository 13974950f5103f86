#pragma once
// Registration for the current user alone, without administrator rights: the same keys a machine-wide
// registration writes, below HKEY_CURRENT_USER\Software\Classes instead of HKEY_CLASSES_ROOT.
#include "ComServer.h"

namespace zarnel {

// Writes the type library's and every class's keys for the current user, or removes them again.
// Raises on the first failing step of a registration; removal never fails.
void UpdateUserRegistry(TComServer& server, bool registering);

}  // namespace zarnel
