// The custom picture: loading files and resources, the picture path of painting, transparency.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "BmpEncoder.h"
#include "ControlHost.h"
#include "FrameworkError.h"
#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {
namespace {

using imaging::MakePixel;

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, Key = 0x00FF00, Background = 0x808080;
// The picture of the resource-only DLL: 120x30, upper half yellow, lower half teal.
constexpr TColor Yellow = 0x00FFFF, Teal = 0x808000;

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  ::GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "zarnel-" + name;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// 200 wide: upper half red, lower half blue, a key-coloured column in each half; with an odd
// height the extra bottom row starts with the key colour.
std::vector<uint8_t> TwoLookBmp(int32_t height) {
  imaging::TDecodedImage img;
  img.Width = 200;
  img.Height = height;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      uint32_t px = y < 20 ? MakePixel(255, 0, 0) : MakePixel(0, 0, 255);
      if (x == 5 || x == 150 || y == 40) px = MakePixel(0, 255, 0);
      img.Pixels.push_back(px);
    }
  return imaging::EncodeBmp24(img);
}

class Picture : public HostedControl {
 protected:
  std::string oddBmp = TempPath("odd.bmp");
  std::string evenBmp = TempPath("even.bmp");

  void SetUp() override {
    bar.SetColor(Background);
    WriteFile(oddBmp, TwoLookBmp(41));
    WriteFile(evenBmp, TwoLookBmp(40));
  }
  TPixels Shown() {
    host.Settle();
    return CaptureClient(wnd);
  }
};

TEST_F(Picture, OddHeightBmpSizesTheControlAndNamesTheKeyColour) {
  bar.SetShowText(false);
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  ASSERT_EQ(bar.FilledWidth(), 40);
  const TPixels px = Shown();
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 200; ++x) {
      const TColor expected = (x == 5 || x == 150) ? Background : (x < 40 ? Red : Blue);
      ASSERT_EQ(px.At(x, y), expected) << x << "," << y;
    }
}

TEST_F(Picture, LowerCaseJpgLoadsWithoutTouchingTransparency) {
  const std::string jpg = TempPath("bar.jpg");
  std::ifstream src(std::string(ZARNEL_TEST_DATA) + "/bar-200x40.jpg", std::ios::binary);
  ASSERT_TRUE(src) << ZARNEL_TEST_DATA;
  WriteFile(jpg, std::vector<uint8_t>(std::istreambuf_iterator<char>(src), {}));
  ASSERT_EQ(bar.LoadFromFile(jpg), 0);
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_FALSE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), 0xFFFFFFu);
  bar.SetShowText(false);
  const TPixels px = Shown();
  auto looksLike = [](TColor c, int r, int g, int b) {
    return std::abs(int(c & 0xFF) - r) < 12 && std::abs(int((c >> 8) & 0xFF) - g) < 12 &&
           std::abs(int(c >> 16) - b) < 12;
  };
  EXPECT_TRUE(looksLike(px.At(10, 10), 255, 128, 0)) << std::hex << px.At(10, 10);      // upper half: orange
  EXPECT_TRUE(looksLike(px.At(150, 10), 192, 192, 192)) << std::hex << px.At(150, 10);  // lower half: grey
}

TEST_F(Picture, ResultCodesForExtensionMissingAndBrokenFiles) {
  const std::string jpeg = TempPath("picture.jpeg");
  WriteFile(jpeg, {1, 2, 3});
  EXPECT_EQ(bar.LoadFromFile(jpeg), 1);
  EXPECT_EQ(bar.LoadFromFile(TempPath("dir.bmp\\noext")), 1);
  EXPECT_EQ(bar.LoadFromFile(TempPath("missing-picture.BMP")), 2);
  EXPECT_FALSE(bar.CustomBitMapActive());

  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  auto bytes = TwoLookBmp(40);
  bytes.resize(bytes.size() / 2);
  const std::string truncated = TempPath("truncated.bmp");
  WriteFile(truncated, bytes);
  EXPECT_EQ(bar.LoadFromFile(truncated), 3);
  EXPECT_FALSE(bar.CustomBitMapActive());
  const std::string garbage = TempPath("garbage.jpg");
  WriteFile(garbage, std::vector<uint8_t>(5000, 0x5A));
  EXPECT_EQ(bar.LoadFromFile(garbage), 3);
  // Flat colours again from the next paint, at the size the last good picture gave.
  bar.SetShowText(false);
  EXPECT_EQ(CaptureClient(wnd).At(0, 0), 0x800000u);
  EXPECT_EQ(CaptureClient(wnd).At(199, 19), 0xFFFFFFu);
}

TEST_F(Picture, EmptyBarShowsTheLowerHalfAndFullBarTheUpperHalf) {
  bar.SetShowText(false);
  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  bar.SetPosition(0);
  TPixels px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), Blue);
  EXPECT_EQ(px.At(199, 19), Blue);
  bar.SetPosition(100);
  px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), Red);
  EXPECT_EQ(px.At(199, 19), Red);
  EXPECT_EQ(px.At(150, 3), Key);  // no transparency: the key column is just a colour
}

TEST_F(Picture, CaptionInTheKeyColourShowsTheBackground) {
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  bar.SetFontColorRight(Key);
  const TPixels px = Shown();
  int background = 0;
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 60; x < 140; ++x) {
      ASSERT_TRUE(px.At(x, y) == Blue || px.At(x, y) == Background) << x << "," << y;
      background += px.At(x, y) == Background;
    }
  EXPECT_GT(background, 10);
}

TEST_F(Picture, ResetKeepsSizeAndKeyColour) {
  ASSERT_EQ(bar.LoadFromFile(oddBmp), 0);
  bar.ResetCustomBitMap();
  EXPECT_FALSE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  bar.SetShowText(false);
  bar.SetColorRight(Key);  // the picture's key goes on substituting flat colours
  const TPixels px = CaptureClient(wnd);
  EXPECT_EQ(px.At(0, 0), 0x800000u);
  EXPECT_EQ(px.At(199, 0), Background);
}

// The message a resource load fails with, or "no error".
template <typename TLoad>
std::string LoadError(TLoad load) {
  try {
    load();
  } catch (const EFrameworkError& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(Picture, IdentifiersOutOfRangeAndUnknownNamesFailCleanly) {
  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceID(0, 0); }), "Resource identifier 0 is out of range 1..65535");
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceID(0, 70000); }), "Resource identifier 70000 is out of range 1..65535");
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceName(0, "NOPE"); }), "Resource NOPE not found");
  EXPECT_TRUE(bar.CustomBitMapActive());  // the previous picture stays
  EXPECT_EQ(bar.ClientWidth(), 200);
}

TEST_F(Picture, ResourceBitmapsOfTheExe) {
  const auto self = reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr));
  bar.SetShowText(false);
  bar.LoadFromResourceID(self, 1);
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_EQ(bar.ClientWidth(), 200);
  EXPECT_EQ(bar.ClientHeight(), 20);
  EXPECT_TRUE(bar.TransparentColor());
  EXPECT_EQ(bar.TransparentColorValue(), Key);
  const TPixels px = Shown();
  EXPECT_EQ(px.At(0, 0), Red);
  EXPECT_EQ(px.At(199, 19), Blue);
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceName(self, "ZEROWIDTH"); }), "Resource picture size is 0");
  EXPECT_TRUE(bar.CustomBitMapActive());  // the previous picture stays in use
  EXPECT_EQ(Shown().At(0, 0), Red);
}

void UnloadModule(HMODULE module) { ::FreeLibrary(module); }
using TUniqueModule = TUniqueHandle<HMODULE, UnloadModule>;

std::string BesideTestExe(const char* name) {
  char path[MAX_PATH];
  const std::string exe(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
  return exe.substr(0, exe.find_last_of('\\') + 1) + name;
}

DWORD MemoryState(uintptr_t address) {
  MEMORY_BASIC_INFORMATION info{};
  ::VirtualQuery(reinterpret_cast<const void*>(address & ~uintptr_t{3}), &info, sizeof info);
  return info.State;
}

// The resource-only DLL, loaded the three ways users load such modules; the handle's low bits tell
// the resource functions how it is mapped.
struct TLoadWay {
  const char* Name;
  DWORD Flags;
  uintptr_t HandleBits;
};

void PrintTo(const TLoadWay& way, std::ostream* out) { *out << way.Name; }

class ModulePicture : public Picture, public testing::WithParamInterface<TLoadWay> {
 protected:
  TUniqueModule module{::LoadLibraryExA(BesideTestExe(ZARNEL_PICTURE_MODULE).c_str(), nullptr, GetParam().Flags)};
  uintptr_t Instance() const { return reinterpret_cast<uintptr_t>(module.get()); }

  // Upper half where the bar is filled, lower half beyond; no caption, no key colour.
  void ExpectBarShowsThePicture() {
    ASSERT_EQ(bar.ClientWidth(), 120);
    ASSERT_EQ(bar.ClientHeight(), 15);
    for (int32_t position : {0, 50, 100}) {
      bar.SetPosition(position);
      const int32_t filled = bar.FilledWidth();
      const TPixels px = Shown();
      for (int32_t y = 0; y < 15; ++y)
        for (int32_t x = 0; x < 120; ++x) ASSERT_EQ(px.At(x, y), x < filled ? Yellow : Teal) << x << "," << y;
    }
  }
};

TEST_P(ModulePicture, LoadsAndDrawsItsBitmapsByIdAndName) {
  ASSERT_TRUE(module) << ::GetLastError();
  ASSERT_EQ(Instance() & 3, GetParam().HandleBits);
  bar.SetShowText(false);
  bar.LoadFromResourceID(Instance(), 1);
  EXPECT_TRUE(bar.CustomBitMapActive());
  EXPECT_FALSE(bar.TransparentColor());
  ExpectBarShowsThePicture();

  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  bar.LoadFromResourceName(Instance(), "MODULEPICTURE");
  ExpectBarShowsThePicture();
}

TEST_P(ModulePicture, NamesOnlyItsOwnResources) {
  ASSERT_TRUE(module) << ::GetLastError();
  // The exe has this one; the DLL does not.
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceName(Instance(), "ZEROWIDTH"); }), "Resource ZEROWIDTH not found");
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceID(Instance(), 2); }), "Resource #2 not found");
  EXPECT_FALSE(bar.CustomBitMapActive());
}

TEST_P(ModulePicture, IsInvalidOnceFreed) {
  ASSERT_TRUE(module) << ::GetLastError();
  const uintptr_t stale = Instance();
  module.reset();
  // Wine leaves an unloaded image's range reserved, Windows frees it: either way nothing is mapped.
  ASSERT_NE(MemoryState(stale), DWORD{MEM_COMMIT}) << "the loader kept the module mapped";
  EXPECT_EQ(LoadError([&] { bar.LoadFromResourceID(stale, 1); }), "Invalid module handle");
}

INSTANTIATE_TEST_SUITE_P(LoadWays, ModulePicture,
                         testing::Values(TLoadWay{"LoadLibrary", 0, 0},
                                         TLoadWay{"AsDataFile", LOAD_LIBRARY_AS_DATAFILE, 1},
                                         TLoadWay{"AsImageResource", LOAD_LIBRARY_AS_IMAGE_RESOURCE, 2}),
                         [](const testing::TestParamInfo<TLoadWay>& info) { return info.param.Name; });

// Pages of the test's own at the start of a reservation of two pages, only the first committed,
// holding the given bytes under the given protection.
class TScratchPage {
 public:
  static constexpr size_t Size = 4096;
  TScratchPage(const std::vector<uint8_t>& bytes, DWORD protect)
      : FBase(::VirtualAlloc(nullptr, 2 * Size, MEM_RESERVE, PAGE_NOACCESS)) {
    ::VirtualAlloc(FBase, Size, MEM_COMMIT, PAGE_READWRITE);
    std::memcpy(FBase, bytes.data(), bytes.size());
    DWORD previous;
    ::VirtualProtect(FBase, Size, protect, &previous);
  }
  TScratchPage(const TScratchPage&) = delete;
  TScratchPage& operator=(const TScratchPage&) = delete;
  ~TScratchPage() { ::VirtualFree(FBase, 0, MEM_RELEASE); }
  uintptr_t Address() const { return reinterpret_cast<uintptr_t>(FBase); }

 private:
  void* FBase;
};

// A page that starts like an image: a DOS header ("MZ") whose e_lfanew points at ntOffset and, where
// they fit in the page, an NT signature and a file header announcing an optional header.
std::vector<uint8_t> ImageHeaders(uint32_t ntOffset, DWORD signature, WORD optionalSize) {
  std::vector<uint8_t> bytes(TScratchPage::Size);
  bytes[0] = 'M';
  bytes[1] = 'Z';
  std::memcpy(bytes.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), &ntOffset, sizeof ntOffset);
  IMAGE_FILE_HEADER file{};
  file.SizeOfOptionalHeader = optionalSize;
  if (ntOffset <= bytes.size() - sizeof signature - sizeof file) {
    std::memcpy(bytes.data() + ntOffset, &signature, sizeof signature);
    std::memcpy(bytes.data() + ntOffset + sizeof signature, &file, sizeof file);
  }
  return bytes;
}

TEST_F(Picture, NumbersThatAreNoModuleGiveAClearError) {
  ASSERT_EQ(bar.LoadFromFile(evenBmp), 0);
  const std::vector<uint8_t> smallBlock(64, 'M');
  const std::vector<uint8_t> largeBlock(1 << 20, 'Z');  // big enough for an allocation of its own
  const int onTheStack = 0;
  const auto exe = reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr));
  constexpr DWORD NewExecutable = 'N' | ('E' << 8);
  constexpr size_t Page = TScratchPage::Size;
  const TScratchPage zeros({0}, PAGE_READONLY);
  const TScratchPage otherSignature(ImageHeaders(64, NewExecutable, 0), PAGE_READONLY);
  // The NT headers would reach into the uncommitted page after the first.
  const TScratchPage signaturePastTheCommit(ImageHeaders(Page - 2, IMAGE_NT_SIGNATURE, 0), PAGE_READONLY);
  const TScratchPage optionalHeaderPastTheCommit(
      ImageHeaders(Page - 24, IMAGE_NT_SIGNATURE, sizeof(IMAGE_OPTIONAL_HEADER)), PAGE_READONLY);
  const TScratchPage headersFarAway(ImageHeaders(0x7FFFFFF0, IMAGE_NT_SIGNATURE, 0), PAGE_READONLY);
  const TScratchPage headersBefore(ImageHeaders(0x80000000, IMAGE_NT_SIGNATURE, 0), PAGE_READONLY);
  const TScratchPage unreadable(ImageHeaders(64, IMAGE_NT_SIGNATURE, 0), PAGE_NOACCESS);
  const TScratchPage guarded(ImageHeaders(64, IMAGE_NT_SIGNATURE, 0), PAGE_READONLY | PAGE_GUARD);
  const struct {
    const char* Name;
    uintptr_t Instance;
  } cases[] = {
      {"arbitrary number", 0x12345678},
      {"flag bits alone", 1},
      {"image-resource bits alone", 2},
      {"both flag bits", 3},
      {"small heap block", reinterpret_cast<uintptr_t>(smallBlock.data())},
      {"large heap block", reinterpret_cast<uintptr_t>(largeBlock.data())},
      {"stack", reinterpret_cast<uintptr_t>(&onTheStack)},
      {"inside the exe's image", exe + 0x1000},
      {"data page of zeros", zeros.Address()},
      {"DOS header leading to another signature", otherSignature.Address()},
      {"NT signature past the committed page", signaturePastTheCommit.Address()},
      {"optional header past the committed page", optionalHeaderPastTheCommit.Address()},
      {"NT headers past the address space", headersFarAway.Address()},
      {"NT headers before the DOS header", headersBefore.Address()},
      {"unreadable page", unreadable.Address()},
      {"guard page", guarded.Address()},
      {"data page with the data-file bit", zeros.Address() | 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadError([&] { bar.LoadFromResourceID(c.Instance, 1); }), "Invalid module handle") << c.Name;
    EXPECT_EQ(LoadError([&] { bar.LoadFromResourceName(c.Instance, "X"); }), "Invalid module handle") << c.Name;
  }
  EXPECT_TRUE(bar.CustomBitMapActive());  // the previous picture stays
  EXPECT_EQ(bar.ClientWidth(), 200);
}

}  // namespace
}  // namespace zarnel::test
