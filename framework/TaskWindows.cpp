#include "TaskWindows.h"

namespace zarnel {
namespace {

struct TCollection {
  HWND Modal;
  std::vector<HWND>& Found;
};

BOOL CALLBACK CollectEnabledWindow(HWND wnd, LPARAM param) {
  auto& collection = *reinterpret_cast<TCollection*>(param);
  if (wnd != collection.Modal && ::IsWindowVisible(wnd) && ::IsWindowEnabled(wnd)) collection.Found.push_back(wnd);
  return TRUE;
}

}  // namespace

TDisabledTaskWindows::TDisabledTaskWindows(HWND modal) {
  TCollection collection{modal, FDisabled};
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&collection));
  for (HWND wnd : FDisabled) ::EnableWindow(wnd, FALSE);
}

TDisabledTaskWindows::~TDisabledTaskWindows() {
  for (HWND wnd : FDisabled) {
    if (::IsWindow(wnd)) ::EnableWindow(wnd, TRUE);
  }
}

}  // namespace zarnel
