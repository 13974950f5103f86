#include "HostedControl.h"

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <stdexcept>
#include <string>

#include "AtlContainer.h"
#include "Form.h"
#include "Handles.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel {
namespace {

using Microsoft::WRL::ComPtr;

constexpr OLE_COLOR DarkGreen = 0x006400;
constexpr OLE_COLOR LightYellow = 0xE0FFFF;
constexpr OLE_COLOR White = 0xFFFFFF;
constexpr OLE_COLOR Maroon = 0x000080;

void Check(HRESULT result, const char* step) {
  if (FAILED(result)) throw std::runtime_error(std::string(step) + " failed");
}

// The .ocx loaded by path as a container that does not consult the registry loads it; unloaded at
// the end of the scope when it says it can be.
class TOcxLibrary {
 public:
  TOcxLibrary() : FModule(::LoadLibraryA(ZARNEL_OCX_PATH)) {
    if (!FModule) throw std::runtime_error("cannot load " ZARNEL_OCX_PATH);
  }
  ~TOcxLibrary() {
    const auto canUnload = Entry<HRESULT(WINAPI*)()>("DllCanUnloadNow");
    if (canUnload && canUnload() == S_OK) ::FreeLibrary(FModule);
  }
  TOcxLibrary(const TOcxLibrary&) = delete;
  TOcxLibrary& operator=(const TOcxLibrary&) = delete;

  ComPtr<IZarnelX> CreateObject() const {
    const auto getClassObject = Entry<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>("DllGetClassObject");
    if (!getClassObject) throw std::runtime_error("the .ocx exports no DllGetClassObject");
    ComPtr<IClassFactory> factory;
    Check(getClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), "DllGetClassObject");
    ComPtr<IZarnelX> object;
    Check(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), "IClassFactory::CreateInstance");
    return object;
  }

 private:
  template <typename F>
  F Entry(const char* name) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(FModule, name)));
  }

  HMODULE FModule;
};

// An automation font as a client makes one: the raster face, bold, 8 points.
ComPtr<IFontDisp> CaptionFont() {
  FONTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = const_cast<LPOLESTR>(L"MS Sans Serif");
  description.cySize.int64 = 8 * 10000;
  description.sWeight = FW_BOLD;
  description.sCharset = DEFAULT_CHARSET;
  ComPtr<IFontDisp> font;
  Check(::OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(font.GetAddressOf())),
        "OleCreateFontIndirect");
  return font;
}

void Settle(HWND wnd) {
  ::UpdateWindow(wnd);
  ProcessMessages();
  ::GdiFlush();
}

test::TPixels DriveHostedObject(IZarnelX& bar, HWND host) {
  Check(bar.put_ColorLeft(DarkGreen), "ColorLeft");
  Check(bar.put_ColorRight(LightYellow), "ColorRight");
  Check(bar.put_FontColorLeft(White), "FontColorLeft");
  Check(bar.put_FontColorRight(Maroon), "FontColorRight");
  Check(bar.put_Font(CaptionFont().Get()), "Font");
  for (LONG position = 0; position <= 100; ++position) {
    Check(bar.put_Position(position), "Position");
    ProcessMessages();
    ::Sleep(5);
  }
  BSTR caption = ::SysAllocString(L"Copying ");
  const HRESULT captioned = bar.put_Text(caption);
  ::SysFreeString(caption);
  Check(captioned, "Text");
  Check(bar.put_Position(57), "Position");
  Settle(host);
  return test::CaptureClient(host);
}

}  // namespace

test::TPixels ShowHostedControl(HWND parent, const RECT& bounds) {
  if (!test::AtlHostReady()) throw std::runtime_error("Wine's atl.dll is missing");
  // Declared in the order that lets each go before what it holds: when the host window goes, ATL
  // closes the object and leaves it; then the site, the object and the module go.
  const TOcxLibrary ocx;
  const ComPtr<IZarnelX> bar = ocx.CreateObject();
  ComPtr<IUnknown> container;
  const TUniqueWindow host(test::CreateAtlHostWindow(parent, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds));
  if (!host) throw std::runtime_error("cannot create an AtlAxWin window");
  Check(test::AttachToAtlHost(bar.Get(), host.get(), &container), "AtlAxAttachControl");
  return DriveHostedObject(*bar.Get(), host.get());
}

}  // namespace zarnel
