// The object in a container of the test's own: the calls it makes on the site while it is given the
// site, activated in place and UI active, deactivated and closed; where its window goes and what of
// it shows; its extent, misc status, verbs and names; and that every way of letting it go leaves no
// window and no reference behind.
#include <gtest/gtest.h>
#include <olectl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "ClientApartment.h"
#include "ContainerFixture.h"
#include "Form.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;
using TNames = std::vector<std::string>;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr TColor BarColor = 0x00C00000;  // a blue the container never paints
constexpr DWORD ControlMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                                    OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;

bool HasStyle(HWND wnd, DWORD style) { return (::GetWindowLongA(wnd, GWL_STYLE) & style) == style; }

int ScreenDpi(int axis) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, axis);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

// The control windows inside the container window.
int ControlsIn(HWND container) {
  int count = 0;
  for (HWND wnd = ::FindWindowExA(container, nullptr, "TZarnel2Pro", nullptr); wnd;
       wnd = ::FindWindowExA(container, wnd, "TZarnel2Pro", nullptr))
    ++count;
  return count;
}

class ContainerActivation : public EmbeddedControl {
 protected:
  // The bar in one plain colour: no caption, nothing filled.
  void PaintBarIn(TColor color) {
    ASSERT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
    ASSERT_EQ(object->put_Position(0), S_OK);
    ASSERT_EQ(object->put_ColorRight(color), S_OK);
  }
};

TEST_F(ContainerActivation, InPlaceThenUIActiveThenBackToTheParkingWindow) {
  ASSERT_EQ(ole->SetClientSite(container.Site().ClientSite()), S_OK);
  ComPtr<IOleClientSite> given;
  ASSERT_EQ(ole->GetClientSite(&given), S_OK);
  EXPECT_EQ(given.Get(), container.Site().ClientSite());
  given.Reset();
  EXPECT_EQ(container.Calls().Names(), (TNames{"Ambient -701", "Ambient -704", "Ambient -703"}));

  container.Calls().Clear();
  ASSERT_EQ(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, container.Site().ClientSite(), 0, container.Window(),
                        &container.Site().Position),
            S_OK);
  container.Settle();
  EXPECT_EQ(container.Calls().Names(),
            (TNames{"CanInPlaceActivate", "OnInPlaceActivate", "GetWindow", "GetWindowContext"}));
  const HWND control = object.ControlWindow();
  EXPECT_EQ(::GetParent(control), container.Window());
  EXPECT_TRUE(::IsWindowVisible(control));
  const RECT placed = ControlRectInContainer();
  EXPECT_TRUE(::EqualRect(&container.Site().Position, &placed));
  HWND reported = nullptr;
  ComPtr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(ole.As(&inPlace), S_OK);
  EXPECT_EQ(inPlace->GetWindow(&reported), S_OK);
  EXPECT_EQ(reported, control);

  container.Calls().Clear();
  ASSERT_EQ(ole->DoVerb(OLEIVERB_UIACTIVATE, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK);
  EXPECT_EQ(container.Calls().Names(),
            (TNames{"OnUIActivate", "GetWindowContext", "Frame.SetActiveObject", "Document.SetActiveObject"}));
  ComPtr<IOleInPlaceActiveObject> active;
  ASSERT_EQ(ole.As(&active), S_OK);
  EXPECT_EQ(container.Frame().ActiveObject(), active.Get());
  EXPECT_EQ(container.Document().ActiveObject(), active.Get());
  EXPECT_EQ(::GetFocus(), control);
  EXPECT_EQ(active->TranslateAccelerator(nullptr), S_FALSE);
  active.Reset();

  container.Calls().Clear();
  ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
  EXPECT_EQ(container.Calls().Names(),
            (TNames{"GetWindowContext", "Frame.SetActiveObject(null)", "Document.SetActiveObject(null)",
                    "OnUIDeactivate", "OnInPlaceDeactivate"}));
  EXPECT_EQ(container.Frame().ActiveObject(), nullptr);
  EXPECT_EQ(::GetParent(control), ParkingWindow());
  EXPECT_FALSE(HasStyle(control, WS_VISIBLE));
  EXPECT_EQ(ControlsIn(container.Window()), 0);

  container.Calls().Clear();
  EXPECT_EQ(ole->Close(OLECLOSE_SAVEIFDIRTY), S_OK);
  EXPECT_EQ(container.Calls().Count("SaveObject"), 0) << "nothing changed, so nothing to save";
  inPlace.Reset();
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, CloseDeactivatesAnActiveObjectWithoutSaving) {
  container.Embed(*ole.Get());
  ASSERT_EQ(ole->DoVerb(OLEIVERB_SHOW, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr), S_OK);
  EXPECT_EQ(container.Calls().Count("OnUIActivate"), 1) << "Show makes the object UI active";
  container.Calls().Clear();
  EXPECT_EQ(ole->Close(OLECLOSE_SAVEIFDIRTY), S_OK);
  EXPECT_EQ(container.Calls().Count("OnUIDeactivate"), 1);
  EXPECT_EQ(container.Calls().Count("OnInPlaceDeactivate"), 1);
  EXPECT_EQ(container.Calls().Count("SaveObject"), 0);
  EXPECT_EQ(::GetParent(object.ControlWindow()), ParkingWindow());
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, AClickOnAnInPlaceObjectMakesItUIActive) {
  container.Embed(*ole.Get());
  container.Calls().Clear();
  const HWND control = object.ControlWindow();
  const LRESULT answer = ::SendMessageA(control, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(container.Window()),
                                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  EXPECT_NE(answer, MA_NOACTIVATEANDEAT) << "the click still reaches the control";
  EXPECT_EQ(container.Calls().Count("OnUIActivate"), 1);
  EXPECT_EQ(container.Calls().Count("Frame.SetActiveObject"), 1);
  // Once UI active, the focus coming back changes nothing.
  container.Calls().Clear();
  ::SendMessageA(control, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(container.Calls().Count("OnUIActivate"), 0);
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, HideTakesTheWindowOutOfSight) {
  container.Embed(*ole.Get());
  ASSERT_EQ(ole->DoVerb(OLEIVERB_UIACTIVATE, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK);
  container.Calls().Clear();
  EXPECT_EQ(ole->DoVerb(OLEIVERB_HIDE, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr), S_OK);
  EXPECT_FALSE(::IsWindowVisible(object.ControlWindow()));
  EXPECT_EQ(container.Calls().Count("OnUIDeactivate"), 1);
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, ClipRectangleHidesWhatLiesOutsideIt) {
  PaintBarIn(BarColor);
  container.Site().Clip = RECT{10, 10, 110, 40};
  container.Embed(*ole.Get());
  const TPixels clipped = container.Capture();
  EXPECT_EQ(clipped.At(20, 25), BarColor);
  EXPECT_EQ(clipped.At(100, 25), BarColor);
  EXPECT_EQ(clipped.At(120, 25), ContainerBackground);
  EXPECT_EQ(clipped.At(200, 25), ContainerBackground);

  // A clip rectangle around the whole position shows all of it again.
  ComPtr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(ole.As(&inPlace), S_OK);
  const RECT position{10, 10, 210, 40};
  const RECT everything{0, 0, 400, 200};
  ASSERT_EQ(inPlace->SetObjectRects(&position, &everything), S_OK);
  const TPixels whole = container.Capture();
  EXPECT_EQ(whole.At(120, 25), BarColor);
  EXPECT_EQ(whole.At(200, 25), BarColor);
  EXPECT_EQ(whole.At(215, 25), ContainerBackground);

  // Moved and resized by the container.
  const RECT moved{50, 60, 150, 80};
  ASSERT_EQ(inPlace->SetObjectRects(&moved, &everything), S_OK);
  const RECT placed = ControlRectInContainer();
  EXPECT_TRUE(::EqualRect(&moved, &placed));
  const TPixels after = container.Capture();
  EXPECT_EQ(after.At(60, 70), BarColor);
  EXPECT_EQ(after.At(20, 25), ContainerBackground);
  inPlace.Reset();
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, ExtentIsTheWindowSizeInHimetric) {
  container.Embed(*ole.Get());
  const int dpiX = ScreenDpi(LOGPIXELSX), dpiY = ScreenDpi(LOGPIXELSY);
  SIZEL size{};
  ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  EXPECT_EQ(size.cx, ::MulDiv(200, 2540, dpiX)) << "the container's 200 x 30 pixels";
  EXPECT_EQ(size.cy, ::MulDiv(30, 2540, dpiY));

  SIZEL wanted{5080, 1000};  // two inches by a little under 0.4
  ASSERT_EQ(ole->SetExtent(DVASPECT_CONTENT, &wanted), S_OK);
  RECT rc;
  ::GetWindowRect(object.ControlWindow(), &rc);
  EXPECT_EQ(rc.right - rc.left, ::MulDiv(5080, dpiX, 2540));
  EXPECT_EQ(rc.bottom - rc.top, ::MulDiv(1000, dpiY, 2540)) << "rounded to the nearest pixel";
  ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  EXPECT_EQ(size.cx, ::MulDiv(rc.right - rc.left, 2540, dpiX));
  EXPECT_EQ(size.cy, ::MulDiv(rc.bottom - rc.top, 2540, dpiY));

  EXPECT_EQ(ole->SetExtent(DVASPECT_ICON, &wanted), DV_E_DVASPECT);
  EXPECT_EQ(ole->GetExtent(DVASPECT_THUMBNAIL, &size), DV_E_DVASPECT);
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, MiscStatusNamesTheContentAspectOnly) {
  DWORD status = 0;
  EXPECT_EQ(ole->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, ControlMiscStatus);
  EXPECT_EQ(status, 0x20191u);
  status = 0xFFFFFFFF;
  EXPECT_EQ(ole->GetMiscStatus(DVASPECT_ICON, &status), DV_E_DVASPECT);
  EXPECT_EQ(status, 0u);
}

TEST_F(ContainerActivation, PropertiesVerbsAskTheContainerForItsFrame) {
  ASSERT_EQ(ole->SetClientSite(container.Site().ClientSite()), S_OK);
  EXPECT_EQ(ole->DoVerb(OLEIVERB_PRIMARY, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK);
  EXPECT_EQ(container.Calls().Count("ShowPropertyFrame"), 1);
  container.Site().PropertyFrameResult = E_NOTIMPL;
  EXPECT_EQ(ole->DoVerb(OLEIVERB_PROPERTIES, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK)
      << "a container without a frame: the object has no pages to show";
  EXPECT_EQ(container.Calls().Count("ShowPropertyFrame"), 2);
  EXPECT_EQ(container.Calls().Count("CanInPlaceActivate"), 0) << "Properties activates nothing";

  EXPECT_EQ(ole->DoVerb(OLEIVERB_OPEN, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            E_NOTIMPL);
  EXPECT_EQ(ole->DoVerb(7, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            OLEOBJ_S_INVALIDVERB);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, PropertiesVerbWithoutAControlSiteShowsNothing) {
  TContainer plain(TSiteFeatures{true, false});
  ASSERT_EQ(ole->SetClientSite(plain.Site().ClientSite()), S_OK);
  const int windows = CountThreadWindows();
  EXPECT_EQ(ole->DoVerb(OLEIVERB_PRIMARY, nullptr, plain.Site().ClientSite(), 0, plain.Window(), nullptr), S_OK);
  EXPECT_EQ(ole->DoVerb(OLEIVERB_PROPERTIES, nullptr, plain.Site().ClientSite(), 0, plain.Window(), nullptr), S_OK);
  ProcessMessages();
  EXPECT_EQ(CountThreadWindows(), windows) << "no window was opened";
  EXPECT_EQ(plain.Calls().Count("ShowPropertyFrame"), 0);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
}

TEST_F(ContainerActivation, NamesAndRegisteredVerbs) {
  CLSID clsid = GUID_NULL;
  EXPECT_EQ(ole->GetUserClassID(&clsid), S_OK);
  EXPECT_TRUE(::IsEqualCLSID(clsid, CLSID_ZarnelX));
  LPOLESTR userType = nullptr;
  ASSERT_EQ(ole->GetUserType(USERCLASSTYPE_FULL, &userType), S_OK);
  ASSERT_NE(userType, nullptr);
  EXPECT_STREQ(userType, L"ZarnelX Control");
  ::CoTaskMemFree(userType);

  // The verbs are the registered ones: with the class registered in this prefix, its one verb.
  HKEY verbKey = nullptr;
  const bool registered = ::RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{EF8810BE-428E-45A4-BCC8-3E826E335078}\\Verb\\0",
                                          0, KEY_READ, &verbKey) == ERROR_SUCCESS;
  if (verbKey) ::RegCloseKey(verbKey);
  ComPtr<IEnumOLEVERB> verbs;
  const HRESULT hr = ole->EnumVerbs(&verbs);
  if (!registered) {
    EXPECT_EQ(hr, E_NOTIMPL);
    EXPECT_EQ(verbs.Get(), nullptr);
    return;
  }
  ASSERT_EQ(hr, S_OK);
  OLEVERB verb{};
  ULONG fetched = 0;
  ASSERT_EQ(verbs->Next(1, &verb, &fetched), S_OK);
  EXPECT_EQ(verb.lVerb, 0);
  EXPECT_STREQ(verb.lpszVerbName, L"Properties");
  ::CoTaskMemFree(verb.lpszVerbName);
}

TEST_F(ContainerActivation, ConventionalAnswers) {
  EXPECT_EQ(ole->SetHostNames(L"test", L"object"), S_OK);
  EXPECT_EQ(ole->IsUpToDate(), S_OK);
  EXPECT_EQ(ole->Update(), S_OK);
  EXPECT_EQ(ole->SetMoniker(OLEWHICHMK_OBJREL, nullptr), E_NOTIMPL);
  IMoniker* moniker = reinterpret_cast<IMoniker*>(1);
  EXPECT_EQ(ole->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_OBJFULL, &moniker), E_NOTIMPL);
  EXPECT_EQ(moniker, nullptr);
  EXPECT_EQ(ole->InitFromData(nullptr, TRUE, 0), E_NOTIMPL);
  EXPECT_EQ(ole->SetColorScheme(nullptr), E_NOTIMPL);
  EXPECT_EQ(ole->Unadvise(12345), OLE_E_NOCONNECTION);
  ComPtr<IEnumSTATDATA> advised;
  EXPECT_EQ(ole->EnumAdvise(&advised), S_OK);
}

// Every way of letting the object go leaves no control window in the container and no reference to
// any of the container's objects (the container checks those when it goes).
TEST_F(ContainerActivation, ReleaseWithoutCloseTakesTheWindowAlong) {
  container.Embed(*ole.Get());
  ASSERT_EQ(ole->DoVerb(OLEIVERB_UIACTIVATE, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK);
  ASSERT_EQ(ControlsIn(container.Window()), 1);
  ole.Reset();
  EXPECT_EQ(object.Release(), 0u);
  EXPECT_EQ(ControlsIn(container.Window()), 0);
  EXPECT_EQ(container.Site().References(), 0);
}

TEST_F(ContainerActivation, CloseThenReleaseLeavesNothing) {
  container.Embed(*ole.Get());
  const HWND control = object.ControlWindow();
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
  EXPECT_EQ(container.Site().References(), 0);
  ole.Reset();
  EXPECT_EQ(object.Release(), 0u);
  EXPECT_FALSE(::IsWindow(control));
  EXPECT_EQ(ControlsIn(container.Window()), 0);
}

TEST_F(ContainerActivation, ContainerWindowDestroyedFirst) {
  container.Embed(*ole.Get());
  ASSERT_EQ(ole->DoVerb(OLEIVERB_UIACTIVATE, nullptr, container.Site().ClientSite(), 0, container.Window(), nullptr),
            S_OK);
  container.DestroyWindow();
  EXPECT_FALSE(::IsWindow(object.ControlWindow())) << "the control window went with its container";
  EXPECT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_EQ(container.Calls().Count("OnInPlaceDeactivate"), 1);
  EXPECT_EQ(ole->SetClientSite(nullptr), S_OK);
  // The object still works: its next window is made in the parking window.
  EXPECT_EQ(object->put_Position(50), S_OK);
  LONG width = 0;
  EXPECT_EQ(object->get_TextW(&width), S_OK);
  ole.Reset();
  EXPECT_EQ(object.Release(), 0u);
}

}  // namespace
}  // namespace zarnel::test
