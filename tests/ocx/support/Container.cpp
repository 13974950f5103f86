#include "Container.h"

#include <gtest/gtest.h>

#include "Form.h"
#include "WindowClass.h"

namespace zarnel::test {
namespace {

constexpr const char* ContainerClassName = "ZarnelTestContainer";

LRESULT CALLBACK ContainerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_ERASEBKGND) return ::DefWindowProcA(wnd, msg, wParam, lParam);
  const HDC dc = reinterpret_cast<HDC>(wParam);
  RECT rc;
  ::GetClientRect(wnd, &rc);
  ::SetDCBrushColor(dc, ContainerBackground);
  ::FillRect(dc, &rc, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
  return 1;
}

HWND CreateContainerWindow() {
  EnsureWindowClass(ContainerClassName, 0, &ContainerProc);
  // A client area of 400 x 200.
  RECT frame{0, 0, 400, 200};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE;
  ::AdjustWindowRect(&frame, style, FALSE);
  HWND wnd = ::CreateWindowExA(0, ContainerClassName, "test container", style, 40, 40, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, ModuleInstance(), nullptr);
  EXPECT_NE(wnd, nullptr) << "cannot create the container window, error " << ::GetLastError();
  return wnd;
}

}  // namespace

TContainer::TContainer(TSiteFeatures features)
    : FWindow(CreateContainerWindow()),
      FFrame("Frame", FWindow.get(), FCalls),
      FDocument("Document", FWindow.get(), FCalls),
      FSite(features, FWindow.get(), FFrame, FDocument, FCalls) {
  Settle();
}

TContainer::~TContainer() {
  EXPECT_EQ(FSite.References(), 0) << "the site is still referenced";
  EXPECT_EQ(FFrame.References(), 0) << "the frame is still referenced";
  EXPECT_EQ(FDocument.References(), 0) << "the document window is still referenced";
}

void TContainer::Embed(IOleObject& object) {
  EXPECT_EQ(object.SetClientSite(FSite.ClientSite()), S_OK);
  EXPECT_EQ(object.DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, FSite.ClientSite(), 0, FWindow.get(), &FSite.Position),
            S_OK);
  Settle();
}

void TContainer::Settle() const {
  if (FWindow) ::UpdateWindow(FWindow.get());
  ProcessMessages();
  ::GdiFlush();
}

TPixels TContainer::Capture() const {
  Settle();
  return CaptureClient(FWindow.get());
}

}  // namespace zarnel::test
