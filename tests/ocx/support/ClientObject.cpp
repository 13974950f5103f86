#include "ClientObject.h"

#include <algorithm>
#include <cstring>

#include "ResourceCounts.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

bool HasClass(HWND wnd, const char* name) {
  char found[64] = {};
  ::GetClassNameA(wnd, found, sizeof found);
  return std::strcmp(found, name) == 0;
}

BOOL CALLBACK FindParking(HWND wnd, LPARAM found) {
  if (!HasClass(wnd, "TZarnelParkingWindow")) return TRUE;
  *reinterpret_cast<HWND*>(found) = wnd;
  return FALSE;
}

}  // namespace

const TOcxModule& ClientModule() {
  static const TOcxModule module;
  return module;
}

ComPtr<IClassFactory> ControlFactory() {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(ClientModule().GetClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), S_OK);
  return factory;
}

HWND ParkingWindow() {
  HWND parking = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindParking, reinterpret_cast<LPARAM>(&parking));
  return parking;
}

std::vector<HWND> ParkedControls() {
  std::vector<HWND> controls;
  const HWND parking = ParkingWindow();
  if (!parking) return controls;
  for (HWND wnd = ::FindWindowExA(parking, nullptr, "TZarnel2Pro", nullptr); wnd;
       wnd = ::FindWindowExA(parking, wnd, "TZarnel2Pro", nullptr))
    controls.push_back(wnd);
  return controls;
}

int CountThreadWindows() { return CountResources().Windows; }

TClientObject::TClientObject() {
  const std::vector<HWND> before = ParkedControls();
  const ComPtr<IClassFactory> factory = ControlFactory();
  if (!factory) return;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&FObject)), S_OK);
  for (HWND wnd : ParkedControls())
    if (std::find(before.begin(), before.end(), wnd) == before.end()) FControlWindow = wnd;
  EXPECT_NE(FControlWindow, nullptr) << "the new object's control window is not in the parking window";
}

TClientObject::~TClientObject() { Release(); }

TClientHost& TClientObject::Show() {
  if (!FHost) {
    FHost = std::make_unique<TClientHost>();
    FHost->Adopt(FControlWindow);
  }
  return *FHost;
}

TPixels TClientObject::Capture() { return Show().CaptureControl(); }

ULONG TClientObject::Release() {
  ULONG count = 0;
  if (FObject) count = FObject.Detach()->Release();
  FHost.reset();
  return count;
}

void ClientControl::TearDown() {
  EXPECT_EQ(object.Release(), 0u) << "the object outlived the test's last reference";
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

}  // namespace zarnel::test
