#include "UserRegistration.h"

#include "FrameworkError.h"
#include "Registry.h"
#include "TypeLibraryKeys.h"

namespace zarnel {
namespace {

constexpr const wchar_t* UserClassesKey = L"Software\\Classes";

}  // namespace

void UpdateUserRegistry(TComServer& server, bool registering) {
  HKEY classes = nullptr;
  if (registering) {
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, UserClassesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &classes, nullptr) != ERROR_SUCCESS)
      throw EFrameworkError("Error creating system registry entry");
  } else if (::RegOpenKeyExW(HKEY_CURRENT_USER, UserClassesKey, 0, KEY_READ | KEY_WRITE, &classes) != ERROR_SUCCESS) {
    return;  // no classes of this user at all: nothing of ours to remove
  }
  const TRegKey owner(classes);
  if (registering) {
    RegisterTypeLibraryKeys(classes, server.TypeLib(), server.ServerFileName(), server.HelpFolder());
    server.UpdateClassRegistry(classes, true);
  } else {
    server.UpdateClassRegistry(classes, false);
    UnregisterTypeLibraryKeys(classes, server.TypeLib());
  }
}

}  // namespace zarnel
