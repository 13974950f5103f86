#include "ResourceCounts.h"

namespace zarnel::test {
namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM param) {
  ++*reinterpret_cast<int*>(param);
  return TRUE;
}

// EnumChildWindows reaches every descendant, not only the direct children.
BOOL CALLBACK CountWindowTree(HWND wnd, LPARAM param) {
  CountWindow(wnd, param);
  ::EnumChildWindows(wnd, &CountWindow, param);
  return TRUE;
}

}  // namespace

TResourceCounts CountResources() {
  ::GdiFlush();
  TResourceCounts counts;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindowTree, reinterpret_cast<LPARAM>(&counts.Windows));
  // Wine matches a handle without its generation bits to whatever object holds that slot.
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    if (const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++counts.GdiObjects[type];
  }
  return counts;
}

std::ostream& operator<<(std::ostream& out, const TResourceCounts& counts) {
  out << counts.Windows << " windows;";
  for (const auto& [type, count] : counts.GdiObjects) out << " type " << type << ": " << count;
  return out;
}

}  // namespace zarnel::test
