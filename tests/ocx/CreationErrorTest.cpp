// A creation that fails: the control's window cannot be made (a thread hook vetoes it), so the user
// is told in a message box, and the client gets E_UNEXPECTED with nothing left alive.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <string>

#include "ClientApartment.h"
#include "ClientObject.h"
#include "Input.h"
#include "ModalDriver.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

// The identifiers the system's message box gives its text and icon controls.
constexpr int MessageTextId = 0xFFFF;
constexpr int MessageIconId = 0x0440;

bool IsControlWindow(HWND wnd) {
  char name[32] = {};
  ::GetClassNameA(wnd, name, sizeof name);
  return std::string(name) == "TZarnel2Pro";
}

// Refuses the creation of every control window on the installing thread while it exists.
class TControlWindowVeto {
 public:
  TControlWindowVeto()
      : FHook(::SetWindowsHookExA(WH_CBT, &Filter, nullptr, ::GetCurrentThreadId())) {}
  ~TControlWindowVeto() {
    if (FHook) ::UnhookWindowsHookEx(FHook);
  }
  TControlWindowVeto(const TControlWindowVeto&) = delete;
  TControlWindowVeto& operator=(const TControlWindowVeto&) = delete;

  bool Installed() const { return FHook != nullptr; }
  static int Vetoed() { return FVetoed; }

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && IsControlWindow(reinterpret_cast<HWND>(wParam))) {
      ++FVetoed;
      return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline int FVetoed = 0;
  HHOOK FHook;
};

// What the driver saw of the box before closing it.
struct TSeenBox {
  std::string Caption;
  std::string Text;
  HWND Owner = nullptr;
  bool Foreground = false;
  HICON Icon = nullptr;
  bool HasOk = false;
  bool HasCancel = false;
};

std::string WindowText(HWND wnd) {
  char text[256] = {};
  ::GetWindowTextA(wnd, text, sizeof text);
  return text;
}

bool ShownButton(HWND box, int id) {
  const HWND button = ::GetDlgItem(box, id);
  return button && ::IsWindowVisible(button);
}

TEST(CreationError, UserIsToldAndTheClientGetsNothing) {
  const int windowsBefore = CountThreadWindows();
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);

  TSeenBox seen;
  TModalDriver driver("#32770", [&seen](HWND box) {
    seen.Caption = WindowText(box);
    seen.Text = WindowText(::GetDlgItem(box, MessageTextId));
    seen.Owner = ::GetWindow(box, GW_OWNER);
    seen.Foreground = ::GetForegroundWindow() == box;
    seen.Icon = reinterpret_cast<HICON>(::SendDlgItemMessageA(box, MessageIconId, STM_GETICON, 0, 0));
    seen.HasOk = ShownButton(box, IDOK);
    seen.HasCancel = ShownButton(box, IDCANCEL) || ShownButton(box, IDYES) || ShownButton(box, IDNO);
    PressKey(VK_RETURN);
  });
  HRESULT hr = S_OK;
  void* ppv = reinterpret_cast<void*>(0xBAADF00D);
  {
    const TControlWindowVeto veto;
    ASSERT_TRUE(veto.Installed());
    hr = factory->CreateInstance(nullptr, IID_IZarnelX, &ppv);
    EXPECT_EQ(TControlWindowVeto::Vetoed(), 1);
  }
  driver.Finish();

  EXPECT_EQ(hr, E_UNEXPECTED);
  EXPECT_EQ(ppv, nullptr);
  ASSERT_TRUE(driver.Appeared()) << "no message box";
  EXPECT_TRUE(driver.ClosedByAction()) << "Enter did not close the box";
  EXPECT_EQ(seen.Caption, "Vexa Error");
  EXPECT_EQ(seen.Text, "Error creating window.") << "the message with a full stop added";
  EXPECT_EQ(seen.Owner, nullptr);
  EXPECT_TRUE(seen.Foreground) << "MB_SETFOREGROUND";
  EXPECT_NE(seen.Icon, nullptr);
  EXPECT_EQ(seen.Icon, ::LoadIconA(nullptr, IDI_HAND)) << "MB_ICONSTOP";
  EXPECT_TRUE(seen.HasOk);
  EXPECT_FALSE(seen.HasCancel) << "MB_OK: one button";

  // Nothing of the failed object is left.
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  EXPECT_EQ(ParkingWindow(), nullptr);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "only the factory reference should remain";
  factory.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);

  // Without the veto the same factory creates objects again.
  TClientObject object;
  EXPECT_NE(object.ControlWindow(), nullptr);
  EXPECT_EQ(object.Release(), 0u);
}

}  // namespace
}  // namespace zarnel::test
