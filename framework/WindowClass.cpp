#include "WindowClass.h"

#include <set>
#include <string>

#include "FrameworkError.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zarnel {
namespace {

class TRegisteredClasses {
 public:
  ~TRegisteredClasses() {
    for (const auto& name : FNames) ::UnregisterClassA(name.c_str(), ModuleInstance());
  }
  bool Contains(const std::string& name) const { return FNames.count(name) != 0; }
  void Add(std::string name) { FNames.insert(std::move(name)); }

 private:
  std::set<std::string> FNames;
};

TRegisteredClasses& Registered() {
  static TRegisteredClasses classes;
  return classes;
}

}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

void EnsureWindowClass(const char* name, UINT style, WNDPROC proc) {
  if (Registered().Contains(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EFrameworkError(FormatText("Error creating window class %s", {name}));
  Registered().Add(name);
}

}  // namespace zarnel
