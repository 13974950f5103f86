#pragma once
// Owners for Win32 handles, in the manner of WIL's unique_any: one owner, moved never copied, and the
// close function named in the type. Every GDI object, DC and window the framework creates lives in one.
#include <windows.h>

#include <utility>

namespace zarnel {

template <typename H, auto Close>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(H h) : FHandle(h) {}
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, H{})) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.FHandle, H{}));
    return *this;
  }
  ~TUniqueHandle() { reset(); }

  H get() const { return FHandle; }
  explicit operator bool() const { return FHandle != H{}; }
  H release() { return std::exchange(FHandle, H{}); }
  // For an out parameter that hands over a new handle: the old one goes first.
  H* put() {
    reset();
    return &FHandle;
  }
  void reset(H h = H{}) {
    if (FHandle) Close(FHandle);
    FHandle = h;
  }

 private:
  H FHandle{};
};

inline void CloseGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseMemoryDC(HDC h) { ::DeleteDC(h); }
inline void CloseWindow(HWND h) { ::DestroyWindow(h); }

using TUniqueBitmap = TUniqueHandle<HBITMAP, CloseGdiObject>;
using TUniqueBrush = TUniqueHandle<HBRUSH, CloseGdiObject>;
using TUniqueFont = TUniqueHandle<HFONT, CloseGdiObject>;
using TUniqueRegion = TUniqueHandle<HRGN, CloseGdiObject>;
using TUniqueMemoryDC = TUniqueHandle<HDC, CloseMemoryDC>;
using TUniqueWindow = TUniqueHandle<HWND, CloseWindow>;

// A DC taken with GetDC or GetWindowDC, given back with ReleaseDC.
class TWindowDC {
 public:
  TWindowDC() = default;
  TWindowDC(HWND wnd, HDC dc) : FWnd(wnd), FDC(dc) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  TWindowDC(TWindowDC&& o) noexcept : FWnd(o.FWnd), FDC(std::exchange(o.FDC, nullptr)) {}
  TWindowDC& operator=(TWindowDC&& o) noexcept {
    if (this != &o) {
      reset();
      FWnd = o.FWnd;
      FDC = std::exchange(o.FDC, nullptr);
    }
    return *this;
  }
  ~TWindowDC() { reset(); }
  HDC get() const { return FDC; }
  explicit operator bool() const { return FDC != nullptr; }
  void reset() {
    if (FDC) ::ReleaseDC(FWnd, FDC);
    FDC = nullptr;
  }

 private:
  HWND FWnd = nullptr;
  HDC FDC = nullptr;
};

// One WM_PAINT request: BeginPaint now, EndPaint at the end of the scope.
class TPaintRequest {
 public:
  explicit TPaintRequest(HWND wnd) : FWnd(wnd), FDC(::BeginPaint(wnd, &FPaint)) {}
  TPaintRequest(const TPaintRequest&) = delete;
  TPaintRequest& operator=(const TPaintRequest&) = delete;
  ~TPaintRequest() { ::EndPaint(FWnd, &FPaint); }
  HDC DC() const { return FDC; }

 private:
  HWND FWnd;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// Selects a GDI object into a DC for one scope and puts the previous one back.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ obj) : FDC(dc), FOld(::SelectObject(dc, obj)) {}
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  ~TSelection() {
    if (FOld && FOld != HGDI_ERROR) ::SelectObject(FDC, FOld);
  }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Saves a DC's state (clipping, modes) for one scope.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : FDC(dc), FLevel(::SaveDC(dc)) {}
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
  ~TSavedDC() {
    if (FLevel) ::RestoreDC(FDC, FLevel);
  }

 private:
  HDC FDC;
  int FLevel;
};

}  // namespace zarnel
