#include "AtlContainer.h"

namespace zarnel::test {
namespace {

using TAtlAxWinInit = BOOL(WINAPI*)();
using TAtlAxAttachControl = HRESULT(WINAPI*)(IUnknown* control, HWND host, IUnknown** container);

struct TAtlLibrary {
  HMODULE Module = nullptr;
  TAtlAxAttachControl AttachControl = nullptr;
  bool Ready = false;
};

template <typename F>
F Entry(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

const TAtlLibrary& Atl() {
  static const TAtlLibrary library = [] {
    TAtlLibrary atl;
    atl.Module = ::LoadLibraryA("atl.dll");
    if (!atl.Module) return atl;
    const auto init = Entry<TAtlAxWinInit>(atl.Module, "AtlAxWinInit");
    atl.AttachControl = Entry<TAtlAxAttachControl>(atl.Module, "AtlAxAttachControl");
    atl.Ready = init && atl.AttachControl && init();
    return atl;
  }();
  return library;
}

}  // namespace

bool AtlHostReady() { return Atl().Ready; }

HWND CreateAtlHostWindow(HWND parent, DWORD style, const RECT& bounds) {
  if (!AtlHostReady()) return nullptr;
  return ::CreateWindowExA(0, AtlHostClass, "", style, bounds.left, bounds.top, bounds.right - bounds.left,
                           bounds.bottom - bounds.top, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

HRESULT AttachToAtlHost(IUnknown* control, HWND host, IUnknown** container) {
  if (!AtlHostReady()) return E_NOTIMPL;
  return Atl().AttachControl(control, host, container);
}

}  // namespace zarnel::test
