// Every member of IZarnelX called through the vtable as a compiled client calls it, with the
// conversions at the boundary: booleans, bytes, colours, enumerations, strings, out pointers, and
// what a property write does to the control's window and pixels.
#include <gtest/gtest.h>
#include <windows.h>
#include <olectl.h>

#include <cmath>
#include <string>

#include "ClientApartment.h"
#include "ClientErrorInfo.h"
#include "ClientObject.h"
#include "ClientVtable.h"
#include "Handles.h"
#include "ModalDriver.h"

namespace zarnel::test {
namespace {

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr TColor Navy = 0x800000;
constexpr TColor White = 0xFFFFFF;
constexpr VARIANT_BOOL Unset = 0x1234;  // neither VARIANT_TRUE nor VARIANT_FALSE

using TBoolGetter = decltype(&IZarnelX::get_ShowText);
using TColorGetter = decltype(&IZarnelX::get_ColorLeft);
using TColorSetter = decltype(&IZarnelX::put_ColorLeft);
using TByteGetter = decltype(&IZarnelX::get_RepaintStep);

struct TBoolMember {
  const char* Name;
  MEMBERID Id;
  TBoolGetter Get;
  VARIANT_BOOL Initial;
};

const TBoolMember BoolMembers[] = {
    {"ShowText", 222, &IZarnelX::get_ShowText, VARIANT_TRUE},
    {"TransparentColor", 209, &IZarnelX::get_TransparentColor, VARIANT_FALSE},
    {"Enabled", DISPID_ENABLED, &IZarnelX::get_Enabled, VARIANT_TRUE},
    {"Visible", 223, &IZarnelX::get_Visible, VARIANT_TRUE},
    {"WrapExceeded", 224, &IZarnelX::get_WrapExceeded, VARIANT_FALSE},
    {"DoubleBuffered", 225, &IZarnelX::get_DoubleBuffered, VARIANT_FALSE},
};

class Automation : public ClientControl {
 protected:
  VARIANT_BOOL Read(TBoolGetter get) {
    VARIANT_BOOL value = Unset;
    EXPECT_EQ((object.Get()->*get)(&value), S_OK);
    return value;
  }
  // A failing call: E_UNEXPECTED, and the thread's error information describes it.
  template <typename Call>
  void ExpectRefused(Call call, const std::wstring& description) {
    ClearErrorInfo();
    EXPECT_EQ(call(), E_UNEXPECTED);
    const TClientErrorInfo info = TakeErrorInfo();
    EXPECT_TRUE(info.Present);
    EXPECT_EQ(info.Description, description);
  }
  std::wstring Text() {
    BSTR text = nullptr;
    EXPECT_EQ(object->get_Text(&text), S_OK);
    return TakeBstr(text);
  }
};

// VARIANT_BOOL is 16 bits wide but travels in a 32-bit slot: a put is called through its vtable slot
// with bits above the low 16 set, which must not count.
TEST_F(Automation, BooleansTakeTheLow16BitsInAndGiveMinusOneOrZeroOut) {
  // The wide call does deliver all 32 bits: a long member receives them whole.
  ASSERT_EQ(object->put_Max(0x20000), S_OK);
  ASSERT_EQ(CallWithWideArgument(object.Get(), 221, INVOKE_PROPERTYPUT, 0x10005), S_OK);  // Position
  LONG position = 0;
  ASSERT_EQ(object->get_Position(&position), S_OK);
  ASSERT_EQ(position, 0x10005);

  for (const TBoolMember& member : BoolMembers) {
    SCOPED_TRACE(member.Name);
    EXPECT_EQ(Read(member.Get), member.Initial);
    EXPECT_EQ(CallWithWideArgument(object.Get(), member.Id, INVOKE_PROPERTYPUT, 1), S_OK);
    EXPECT_EQ(Read(member.Get), VARIANT_TRUE) << "any non-zero value is true";
    EXPECT_EQ(CallWithWideArgument(object.Get(), member.Id, INVOKE_PROPERTYPUT, 0x10000), S_OK);
    EXPECT_EQ(Read(member.Get), VARIANT_FALSE) << "0x10000 has nothing in its low 16 bits";
    EXPECT_EQ(CallWithWideArgument(object.Get(), member.Id, INVOKE_PROPERTYPUT, 0xFFFF0002), S_OK);
    EXPECT_EQ(Read(member.Get), VARIANT_TRUE);
  }
}

TEST_F(Automation, DeclaredBooleanPutsTakeAnyNonZeroValue) {
  EXPECT_EQ(object->put_ShowText(1), S_OK);
  EXPECT_EQ(Read(&IZarnelX::get_ShowText), VARIANT_TRUE);
  EXPECT_EQ(object->put_WrapExceeded(static_cast<VARIANT_BOOL>(0x8000)), S_OK);
  EXPECT_EQ(Read(&IZarnelX::get_WrapExceeded), VARIANT_TRUE);
  EXPECT_EQ(object->put_WrapExceeded(VARIANT_FALSE), S_OK);
  EXPECT_EQ(Read(&IZarnelX::get_WrapExceeded), VARIANT_FALSE);
}

TEST_F(Automation, BytesTakeTheLow8BitsIn) {
  struct TByteMember {
    const char* Name;
    MEMBERID Id;
    TByteGetter Get;
  };
  for (const TByteMember& member : {TByteMember{"RepaintStep", 208, &IZarnelX::get_RepaintStep},
                                    TByteMember{"RepaintStepOffset", 207, &IZarnelX::get_RepaintStepOffset}}) {
    SCOPED_TRACE(member.Name);
    unsigned char value = 0xEE;
    EXPECT_EQ((object.Get()->*member.Get)(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(CallWithWideArgument(object.Get(), member.Id, INVOKE_PROPERTYPUT, 0x7705), S_OK);
    EXPECT_EQ((object.Get()->*member.Get)(&value), S_OK);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(CallWithWideArgument(object.Get(), member.Id, INVOKE_PROPERTYPUT, 0xFFFFFFC8), S_OK);
    EXPECT_EQ((object.Get()->*member.Get)(&value), S_OK);
    EXPECT_EQ(value, 200);
  }
}

TEST_F(Automation, ColoursCrossUnchangedBothWays) {
  struct TColorMember {
    const char* Name;
    TColorGetter Get;
    TColorSetter Put;
    OLE_COLOR Initial;
  };
  const TColorMember members[] = {
      {"ColorLeft", &IZarnelX::get_ColorLeft, &IZarnelX::put_ColorLeft, Navy},
      {"ColorRight", &IZarnelX::get_ColorRight, &IZarnelX::put_ColorRight, White},
      {"FontColorLeft", &IZarnelX::get_FontColorLeft, &IZarnelX::put_FontColorLeft, White},
      {"FontColorRight", &IZarnelX::get_FontColorRight, &IZarnelX::put_FontColorRight, 0},
      {"TransparentColorValue", &IZarnelX::get_TransparentColorValue, &IZarnelX::put_TransparentColorValue, White},
  };
  for (const TColorMember& member : members) {
    SCOPED_TRACE(member.Name);
    OLE_COLOR value = 0xDEADBEEF;
    EXPECT_EQ((object.Get()->*member.Get)(&value), S_OK);
    EXPECT_EQ(value, member.Initial);
    for (const OLE_COLOR color : {0x8000000Fu, 0xFF00000Fu, 0x80000005u, 0x00123456u, 0x000000FFu, 0u}) {
      EXPECT_EQ((object.Get()->*member.Put)(color), S_OK);
      EXPECT_EQ((object.Get()->*member.Get)(&value), S_OK);
      EXPECT_EQ(value, color);
    }
  }
}

TEST_F(Automation, EnumerationsWidenOutAndTakeTheLowByteIn) {
  // Out: the whole 32-bit slot is written, not only its low byte.
  TxBevelKind kind = static_cast<TxBevelKind>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelKind(&kind), S_OK);
  EXPECT_EQ(static_cast<uint32_t>(kind), static_cast<uint32_t>(bkNone));
  TxBevelCut cut = static_cast<TxBevelCut>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelOuter(&cut), S_OK);
  const uint32_t outer = static_cast<uint32_t>(cut);
  EXPECT_LE(outer, 3u);
  cut = static_cast<TxBevelCut>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelInner(&cut), S_OK);
  EXPECT_LE(static_cast<uint32_t>(cut), 3u);

  // In: only the low byte counts.
  EXPECT_EQ(object->put_BevelKind(static_cast<TxBevelKind>(0x1203)), S_OK);
  kind = static_cast<TxBevelKind>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelKind(&kind), S_OK);
  EXPECT_EQ(static_cast<uint32_t>(kind), static_cast<uint32_t>(bkFlat));
  EXPECT_EQ(object->put_BevelOuter(static_cast<TxBevelCut>(0xFF02)), S_OK);
  cut = static_cast<TxBevelCut>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelOuter(&cut), S_OK);
  EXPECT_EQ(static_cast<uint32_t>(cut), static_cast<uint32_t>(bvRaised));
  EXPECT_EQ(object->put_BevelInner(static_cast<TxBevelCut>(0x10001)), S_OK);
  cut = static_cast<TxBevelCut>(0x7F7F7F7F);
  EXPECT_EQ(object->get_BevelInner(&cut), S_OK);
  EXPECT_EQ(static_cast<uint32_t>(cut), static_cast<uint32_t>(bvLowered));
}

TEST_F(Automation, BevelValuesOutsideTheirRangeAreRefusedAndChangeNothing) {
  ASSERT_EQ(object->put_BevelKind(bkTile), S_OK);
  ASSERT_EQ(object->put_BevelOuter(bvRaised), S_OK);
  ASSERT_EQ(object->put_BevelInner(bvLowered), S_OK);
  RECT clientBefore{}, windowBefore{};
  ::GetClientRect(object.ControlWindow(), &clientBefore);
  ::GetWindowRect(object.ControlWindow(), &windowBefore);

  for (const long value : {4L, 7L, 0x104L}) {
    SCOPED_TRACE(value);
    ExpectRefused([&] { return object->put_BevelKind(static_cast<TxBevelKind>(value)); }, L"Invalid property value");
    ExpectRefused([&] { return object->put_BevelOuter(static_cast<TxBevelCut>(value)); }, L"Invalid property value");
    ExpectRefused([&] { return object->put_BevelInner(static_cast<TxBevelCut>(value)); }, L"Invalid property value");
  }
  TxBevelKind kind{};
  TxBevelCut cut{};
  EXPECT_EQ(object->get_BevelKind(&kind), S_OK);
  EXPECT_EQ(kind, bkTile);
  EXPECT_EQ(object->get_BevelOuter(&cut), S_OK);
  EXPECT_EQ(cut, bvRaised);
  EXPECT_EQ(object->get_BevelInner(&cut), S_OK);
  EXPECT_EQ(cut, bvLowered);
  // The frame stays what the accepted values made it.
  RECT clientAfter{}, windowAfter{};
  ::GetClientRect(object.ControlWindow(), &clientAfter);
  ::GetWindowRect(object.ControlWindow(), &windowAfter);
  EXPECT_TRUE(::EqualRect(&clientBefore, &clientAfter));
  EXPECT_TRUE(::EqualRect(&windowBefore, &windowAfter));
}

TEST_F(Automation, BorderWidthNarrowsTheClientArea) {
  LONG width = -1;
  EXPECT_EQ(object->get_BorderWidth(&width), S_OK);
  EXPECT_EQ(width, 0);
  RECT before{};
  ::GetClientRect(object.ControlWindow(), &before);
  EXPECT_EQ(object->put_BorderWidth(3), S_OK);
  EXPECT_EQ(object->get_BorderWidth(&width), S_OK);
  EXPECT_EQ(width, 3);
  RECT after{};
  ::GetClientRect(object.ControlWindow(), &after);
  EXPECT_EQ(after.right, before.right - 6);
  EXPECT_EQ(after.bottom, before.bottom - 6);
}

TEST_F(Automation, TextCrossesThroughTheAnsiCodePage) {
  EXPECT_EQ(object->put_Text(nullptr), S_OK);
  BSTR text = reinterpret_cast<BSTR>(0xBAADF00D);
  EXPECT_EQ(object->get_Text(&text), S_OK);
  EXPECT_EQ(text, nullptr) << "empty text reads back as a null BSTR";

  BSTR plain = ::SysAllocString(L"Copying ");
  EXPECT_EQ(object->put_Text(plain), S_OK);
  ::SysFreeString(plain);
  EXPECT_EQ(Text(), L"Copying ");

  EXPECT_EQ(object->put_Text(nullptr), S_OK);
  text = reinterpret_cast<BSTR>(0xBAADF00D);
  EXPECT_EQ(object->get_Text(&text), S_OK);
  EXPECT_EQ(text, nullptr) << "a null BSTR clears the text";

  BSTR empty = ::SysAllocString(L"");
  EXPECT_EQ(object->put_Text(empty), S_OK);
  ::SysFreeString(empty);
  text = reinterpret_cast<BSTR>(0xBAADF00D);
  EXPECT_EQ(object->get_Text(&text), S_OK);
  EXPECT_EQ(text, nullptr);

  // The length prefix decides, not the first NUL.
  const wchar_t withNul[] = L"ab\0cd";
  BSTR embedded = ::SysAllocStringLen(withNul, 5);
  EXPECT_EQ(object->put_Text(embedded), S_OK);
  ::SysFreeString(embedded);
  EXPECT_EQ(Text(), std::wstring(withNul, 5));

  // Characters the ANSI code page (1252) lacks become its default character.
  BSTR foreign = ::SysAllocString(L"x\x0416y\x00E9");
  EXPECT_EQ(object->put_Text(foreign), S_OK);
  ::SysFreeString(foreign);
  EXPECT_EQ(Text(), L"x?y\x00E9");
}

TEST_F(Automation, RangeAndPositionMembers) {
  LONG value = -1;
  EXPECT_EQ(object->get_Min(&value), S_OK);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(object->get_Max(&value), S_OK);
  EXPECT_EQ(value, 100);
  EXPECT_EQ(object->get_Position(&value), S_OK);
  EXPECT_EQ(value, 20);
  EXPECT_EQ(object->put_Max(200), S_OK);
  EXPECT_EQ(object->put_Min(10), S_OK);
  EXPECT_EQ(object->put_Position(57), S_OK);
  EXPECT_EQ(object->AddPosition(3), S_OK);
  EXPECT_EQ(object->get_Min(&value), S_OK);
  EXPECT_EQ(value, 10);
  EXPECT_EQ(object->get_Max(&value), S_OK);
  EXPECT_EQ(value, 200);
  EXPECT_EQ(object->get_Position(&value), S_OK);
  EXPECT_EQ(value, 60);
}

TEST_F(Automation, CaptionWidthIsTheDrawnTextsExtent) {
  // The default font: MS Sans Serif at 8 points (11 pixels at 96 dpi).
  TUniqueFont font(::CreateFontA(-::MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 "MS Sans Serif"));
  const auto extent = [&](const char* text) {
    TWindowDC dc(nullptr, ::GetDC(nullptr));
    TSelection selected(dc.get(), font.get());
    SIZE size{};
    ::GetTextExtentPoint32A(dc.get(), text, static_cast<int>(std::char_traits<char>::length(text)), &size);
    return size.cx;
  };
  LONG width = -1;
  EXPECT_EQ(object->put_Position(57), S_OK);
  EXPECT_EQ(object->get_TextW(&width), S_OK);
  EXPECT_EQ(width, extent("57 %"));
  BSTR prefix = ::SysAllocString(L"Done: ");
  EXPECT_EQ(object->put_Text(prefix), S_OK);
  ::SysFreeString(prefix);
  EXPECT_EQ(object->get_TextW(&width), S_OK);
  EXPECT_EQ(width, extent("Done: 57 %"));
}

TEST_F(Automation, LoadFromFileReportsMissingFilesAndUnknownExtensions) {
  const auto load = [&](const wchar_t* name) {
    BSTR file = ::SysAllocString(name);
    LONG result = -1;
    EXPECT_EQ(object->LoadFromFile(file, &result), S_OK);
    ::SysFreeString(file);
    return result;
  };
  EXPECT_EQ(load(L"C:\\no such folder\\picture.bmp"), 2);
  EXPECT_EQ(load(L"C:\\no such folder\\picture.JPG"), 2);
  EXPECT_EQ(load(L"C:\\windows\\win.ini"), 1) << "an existing file with another extension";
  EXPECT_EQ(load(L"C:\\no such folder\\picture.gif"), 1);
  EXPECT_EQ(load(L""), 1);
  EXPECT_EQ(object->ResetCustomBitMap(), S_OK);
}

TEST_F(Automation, ResourceLoadsNameWhatTheyDidNotFind) {
  // The test exe is a loaded module without bitmap resources.
  const auto exe = static_cast<ULONG>(reinterpret_cast<uintptr_t>(::GetModuleHandleA(nullptr)));
  ExpectRefused([&] { return object->LoadFromResourceID(exe, 9999); }, L"Resource #9999 not found");
  ExpectRefused([&] { return object->LoadFromResourceID(0, 9999); }, L"Resource #9999 not found");
  BSTR name = ::SysAllocString(L"NOSUCHPICTURE");
  ExpectRefused([&] { return object->LoadFromResourceName(exe, name); }, L"Resource NOSUCHPICTURE not found");
  ::SysFreeString(name);
  ExpectRefused([&] { return object->LoadFromResourceID(0x12340, 1); }, L"Invalid module handle");
}

TEST_F(Automation, FrameworkMembersGiveTheirFixedAnswers) {
  VARIANT_BOOL flag = Unset;
  EXPECT_EQ(object->get_AlignDisabled(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_FALSE);
  LONG count = -1;
  EXPECT_EQ(object->get_VisibleDockClientCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  LONG flags = -1;
  EXPECT_EQ(object->DrawTextBiDiModeFlagsReadingOnly(&flags), S_OK);
  EXPECT_EQ(flags, 0);
  for (const auto member : {&IZarnelX::IsRightToLeft, &IZarnelX::UseRightToLeftReading,
                            &IZarnelX::UseRightToLeftScrollBar}) {
    flag = Unset;
    EXPECT_EQ((object.Get()->*member)(&flag), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
  }
  EXPECT_EQ(object->InitiateAction(), S_OK);
  EXPECT_EQ(object->SetSubComponent(VARIANT_TRUE), S_OK);
  EXPECT_EQ(object->SetSubComponent(VARIANT_FALSE), S_OK);
}

TEST_F(Automation, EnabledAndVisibleReachTheControlsWindow) {
  object.Show();
  const HWND wnd = object.ControlWindow();
  ASSERT_TRUE(::IsWindowVisible(wnd));
  ASSERT_TRUE(::IsWindowEnabled(wnd));
  EXPECT_EQ(object->put_Enabled(VARIANT_FALSE), S_OK);
  EXPECT_FALSE(::IsWindowEnabled(wnd));
  EXPECT_EQ(object->put_Enabled(VARIANT_TRUE), S_OK);
  EXPECT_TRUE(::IsWindowEnabled(wnd));
  EXPECT_EQ(object->put_Visible(VARIANT_FALSE), S_OK);
  EXPECT_FALSE(::IsWindowVisible(wnd));
  EXPECT_EQ(object->put_Visible(VARIANT_TRUE), S_OK);
  EXPECT_TRUE(::IsWindowVisible(wnd));
}

TEST_F(Automation, DoubleBufferedStartsFalseAndKeepsWhatIsPut) {
  EXPECT_EQ(Read(&IZarnelX::get_DoubleBuffered), VARIANT_FALSE);
  EXPECT_EQ(object->put_DoubleBuffered(VARIANT_TRUE), S_OK);
  EXPECT_EQ(Read(&IZarnelX::get_DoubleBuffered), VARIANT_TRUE);
  EXPECT_EQ(object->put_DoubleBuffered(VARIANT_FALSE), S_OK);
  EXPECT_EQ(Read(&IZarnelX::get_DoubleBuffered), VARIANT_FALSE);
}

TEST_F(Automation, NullOutPointersAreRefused) {
  BSTR file = ::SysAllocString(L"C:\\picture.bmp");
  const HRESULT results[] = {
      object->get_Position(nullptr),      object->get_TextW(nullptr),        object->get_Text(nullptr),
      object->get_Font(nullptr),          object->get_ColorLeft(nullptr),    object->get_BevelKind(nullptr),
      object->get_ShowText(nullptr),      object->get_RepaintStep(nullptr),  object->LoadFromFile(file, nullptr),
      object->get_AlignDisabled(nullptr), object->IsRightToLeft(nullptr),    object->putref_Font(nullptr),
      object->DrawTextBiDiModeFlagsReadingOnly(nullptr),
  };
  ::SysFreeString(file);
  for (size_t i = 0; i < std::size(results); ++i) EXPECT_EQ(results[i], E_POINTER) << "call #" << i;
}

TEST_F(Automation, PositionMovesTheSplitColumnOfTheDrawnBar) {
  ASSERT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
  TPixels px = object.Capture();
  ASSERT_EQ(px.Width, 133);
  ASSERT_EQ(px.Height, 20);
  const auto expectSplit = [&](const TPixels& pixels, int32_t split) {
    for (int32_t y = 0; y < pixels.Height; ++y)
      for (int32_t x = 0; x < pixels.Width; ++x)
        ASSERT_EQ(pixels.At(x, y), x < split ? Navy : White) << "at (" << x << ", " << y << ")";
  };
  expectSplit(px, 27);  // round(133 * 0.20)
  EXPECT_EQ(object->put_Position(57), S_OK);
  px = object.Capture();
  expectSplit(px, static_cast<int32_t>(std::lround(px.Width * 0.57)));
  EXPECT_EQ(px.At(75, 10), Navy);
  EXPECT_EQ(px.At(76, 10), White);
}

TEST_F(Automation, AboutBoxShowsModallyUntilClosed) {
  TModalDriver driver("TZarnelXAbout", [](HWND) { PressKey(VK_RETURN); });
  EXPECT_EQ(object->AboutBox(), S_OK);
  driver.Finish();
  EXPECT_TRUE(driver.Appeared());
  EXPECT_TRUE(driver.ClosedByAction());
}

}  // namespace
}  // namespace zarnel::test
