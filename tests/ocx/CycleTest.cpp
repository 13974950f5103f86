// A thousand embeddings of the control in Wine's ATL host, one after another, as a form designer or
// a scripting host makes and drops controls: each object is created, sited, activated in place,
// closed, unsited and released, and afterwards nothing of them is left: GDI objects, windows, kernel
// handles, references, and (once the module unloads) window classes.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleidl.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include <wrl/client.h>

#include "AtlContainer.h"
#include "ClientApartment.h"
#include "ClientHost.h"
#include "Form.h"
#include "OcxModule.h"
#include "ResourceCounts.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

using Microsoft::WRL::ComPtr;

constexpr int Cycles = 1000;

// The process's kernel handles: the handle values GetHandleInformation accepts.
int CountKernelHandles() {
  int count = 0;
  for (UINT_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

bool ClassRegistered(HINSTANCE module, const char* name) {
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  return ::GetClassInfoExA(module, name, &info) != FALSE;
}

// One embedding from creation to release, every step checked; it stops at the first failed step.
void EmbedOnce(IClassFactory& factory, HWND host, int cycle) {
  ComPtr<IUnknown> object;
  ASSERT_EQ(factory.CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK) << "cycle " << cycle;
  ComPtr<IUnknown> container;
  // ATL sets its site, the host names and the extent, and activates the object in place.
  ASSERT_EQ(AttachToAtlHost(object.Get(), host, &container), S_OK) << "cycle " << cycle;
  ASSERT_NE(::FindWindowExA(host, nullptr, "TZarnel2Pro", nullptr), nullptr) << "cycle " << cycle << ": not in place";
  ProcessMessages();
  ComPtr<IOleObject> ole;
  ASSERT_EQ(object.As(&ole), S_OK);
  ASSERT_EQ(ole->Close(OLECLOSE_NOSAVE), S_OK) << "cycle " << cycle;
  ASSERT_EQ(ole->SetClientSite(nullptr), S_OK) << "cycle " << cycle;
  ole.Reset();
  // ATL's site, unreferenced by the object, goes with the test's reference and lets go of the object.
  ASSERT_EQ(container.Detach()->Release(), 0u) << "cycle " << cycle << ": the object still holds the site";
  ASSERT_EQ(object.Detach()->Release(), 0u) << "cycle " << cycle << ": the object outlived its last reference";
  ASSERT_EQ(::FindWindowExA(host, nullptr, "TZarnel2Pro", nullptr), nullptr) << "cycle " << cycle;
}

TEST(Cycle, AThousandEmbeddingsLeaveNothingBehind) {
  ASSERT_TRUE(AtlHostReady());
  auto module = std::make_unique<TOcxModule>();
  const HINSTANCE instance = module->Handle();
  ASSERT_NE(instance, nullptr);
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(module->GetClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), S_OK);
  TClientHost frame;
  const HWND host = CreateAtlHostWindow(frame.Handle(), WS_CHILD | WS_VISIBLE, RECT{8, 8, 8 + 200, 8 + 24});
  ASSERT_NE(host, nullptr);

  // The first embedding warms Wine's caches (window DCs, stock objects) once.
  EmbedOnce(*factory.Get(), host, 0);
  ASSERT_FALSE(HasFatalFailure());
  const TResourceCounts before = CountResources();
  const int handlesBefore = CountKernelHandles();

  const auto start = std::chrono::steady_clock::now();
  for (int cycle = 1; cycle <= Cycles && !HasFatalFailure(); ++cycle) EmbedOnce(*factory.Get(), host, cycle);
  const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d embeddings in %.2f s\n", Cycles, elapsed);
  ASSERT_FALSE(HasFatalFailure());

  EXPECT_EQ(CountResources(), before);
  EXPECT_EQ(CountKernelHandles(), handlesBefore);

  ::DestroyWindow(host);
  factory.Reset();
  ASSERT_EQ(module->CanUnloadNow(), S_OK);
  // The classes are there while the module is loaded (so the check below can fail) ...
  EXPECT_TRUE(ClassRegistered(instance, "TZarnel2Pro"));
  EXPECT_TRUE(ClassRegistered(instance, "TZarnelParkingWindow"));
  module.reset();
  // ... and go with it.
  EXPECT_FALSE(ClassRegistered(instance, "TZarnel2Pro"));
  EXPECT_FALSE(ClassRegistered(instance, "TZarnelParkingWindow"));
}

}  // namespace
}  // namespace zarnel::test
