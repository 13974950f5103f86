// The 64-bit build's module handles from 32-bit callers: the automation members take Instance as 32
// bits, so a module mapped above 4 GB arrives as the low 32 bits of its handle and must be widened to
// exactly that module, or refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "FrameworkError.h"
#include "Handles.h"
#include "ModuleHandle.h"

namespace zarnel::test {
namespace {

constexpr uintptr_t FourGigabytes = uintptr_t{1} << 32;
constexpr uintptr_t Low32Bits = FourGigabytes - 1;

void UnloadModule(HMODULE module) { ::FreeLibrary(module); }
using TUniqueModule = TUniqueHandle<HMODULE, UnloadModule>;

// Every free range below 4 GB reserved while it lives, so that whatever the loader maps meanwhile
// lands above 4 GB.
class TLowAddressSpaceReserved {
 public:
  TLowAddressSpaceReserved() {
    constexpr uintptr_t Granularity = 0x10000;
    MEMORY_BASIC_INFORMATION info;
    for (uintptr_t address = Granularity;
         address < FourGigabytes && ::VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info);
         address = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize) {
      if (info.State != MEM_FREE) continue;
      const uintptr_t start = (reinterpret_cast<uintptr_t>(info.BaseAddress) + Granularity - 1) & ~(Granularity - 1);
      const uintptr_t end = std::min(reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize, FourGigabytes);
      if (start >= end) continue;
      if (void* reserved = ::VirtualAlloc(reinterpret_cast<void*>(start), end - start, MEM_RESERVE, PAGE_NOACCESS))
        FReserved.push_back(reserved);
    }
  }
  TLowAddressSpaceReserved(const TLowAddressSpaceReserved&) = delete;
  TLowAddressSpaceReserved& operator=(const TLowAddressSpaceReserved&) = delete;
  ~TLowAddressSpaceReserved() {
    for (void* reserved : FReserved) ::VirtualFree(reserved, 0, MEM_RELEASE);
  }

 private:
  std::vector<void*> FReserved;
};

// The tests' resource-only DLL, loaded with the given LoadLibraryEx flags above 4 GB.
TUniqueModule LoadHighPictureModule(DWORD flags) {
  const TLowAddressSpaceReserved reserved;
  return TUniqueModule(::LoadLibraryExA(ZARNEL_PICTURE_MODULE, nullptr, flags));
}

// The message ResourceModule fails with, or "no error".
std::string ResolveError(uintptr_t instance) {
  try {
    ResourceModule(instance);
    return "no error";
  } catch (const EFrameworkError& e) {
    return e.what();
  }
}

// The module loaded above 4 GB the way the LoadLibraryEx flags given as the parameter load it.
class HighModule : public HostedControl, public testing::WithParamInterface<DWORD> {
 protected:
  TUniqueModule module = LoadHighPictureModule(GetParam());
  uintptr_t Handle() const { return reinterpret_cast<uintptr_t>(module.get()); }
  // What a 64-bit caller passes: static_cast<LONG>(reinterpret_cast<LONG_PTR>(module)).
  uintptr_t Passed() const { return static_cast<ULONG>(static_cast<LONG>(reinterpret_cast<LONG_PTR>(module.get()))); }

  void SetUp() override {
    ASSERT_TRUE(module) << ::GetLastError();
    ASSERT_GE(Handle(), FourGigabytes) << "the loader mapped the module below 4 GB";
    // The loader marks data-file mappings in bit 0 and image-resource mappings in bit 1.
    const uintptr_t flagBits = GetParam() == LOAD_LIBRARY_AS_DATAFILE ? 1 : GetParam() == 0 ? 0 : 2;
    ASSERT_EQ(Handle() & 3, flagBits);
  }
};

TEST_P(HighModule, ItsLow32BitsNameItWithItsFlagBits) {
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ResourceModule(Passed())), Handle());
  // The full handle, as C++ code in the same process has it, is taken as it is.
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ResourceModule(Handle())), Handle());

  bar.SetShowText(false);
  bar.LoadFromResourceName(Passed(), "MODULEPICTURE");
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 120);  // the module's picture: 120x30, two looks of 15 rows
  EXPECT_EQ(bar.ClientHeight(), 15);
}

TEST_P(HighModule, IsRefusedWhileAnotherImageSharesItsLow32Bits) {
  // A copy of the module's headers at another allocation a multiple of 4 GB away (below it, down to
  // the low 32 bits themselves, or above it): an image start with the same low 32 bits.
  const uintptr_t base = Handle() & ~uintptr_t{3};
  void* twin = nullptr;
  const auto allocateAt = [](uintptr_t address) {
    return ::VirtualAlloc(reinterpret_cast<void*>(address), 0x1000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  };
  for (uintptr_t distance = FourGigabytes; !twin && distance <= 64 * FourGigabytes; distance += FourGigabytes) {
    if (distance < base) twin = allocateAt(base - distance);
    if (!twin) twin = allocateAt(base + distance);
  }
  ASSERT_NE(twin, nullptr) << "no free address a multiple of 4 GB away from the module at " << std::hex << base;
  std::memcpy(twin, reinterpret_cast<const void*>(base), 0x1000);

  EXPECT_EQ(ResolveError(Passed()), "Invalid module handle");
  EXPECT_EQ(ResolveError(Handle()), "no error");  // the full handle is no less clear than before

  ::VirtualFree(twin, 0, MEM_RELEASE);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ResourceModule(Passed())), Handle());
}

TEST_P(HighModule, IsRefusedOnceFreed) {
  const uintptr_t passed = Passed();
  module.reset();
  EXPECT_EQ(ResolveError(passed), "Invalid module handle");
}

std::string LoadWayName(const testing::TestParamInfo<DWORD>& info) {
  if (info.param == LOAD_LIBRARY_AS_DATAFILE) return "AsDataFile";
  return info.param == LOAD_LIBRARY_AS_IMAGE_RESOURCE ? "AsImageResource" : "LoadLibrary";
}

INSTANTIATE_TEST_SUITE_P(LoadWays, HighModule,
                         testing::Values(DWORD{0}, DWORD{LOAD_LIBRARY_AS_DATAFILE},
                                         DWORD{LOAD_LIBRARY_AS_IMAGE_RESOURCE}),
                         LoadWayName);

TEST(ModuleHandle, NumbersThatNameNoImageAreRefused) {
  const TUniqueModule module = LoadHighPictureModule(LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(module);
  for (const uintptr_t garbage : {uintptr_t{0x12345678}, uintptr_t{0xDEAD0000}, uintptr_t{0xFFFFFFFF}}) {
    EXPECT_EQ(ResolveError(garbage), "Invalid module handle") << std::hex << garbage;
    // Above 4 GB the same numbers are full handles, checked as they are.
    EXPECT_EQ(ResolveError(garbage | (reinterpret_cast<uintptr_t>(module.get()) & ~Low32Bits)), "Invalid module handle")
        << std::hex << garbage;
  }
  // The flag bits alone name the exe no more than they do in the 32-bit build.
  EXPECT_EQ(ResolveError(1), "Invalid module handle");
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ResourceModule(0)), reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr)));
}

}  // namespace
}  // namespace zarnel::test
