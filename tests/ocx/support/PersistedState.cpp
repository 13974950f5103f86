#include "PersistedState.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include "ClientErrorInfo.h"
#include "ClientFont.h"

namespace zarnel::test {
namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

std::ostream& operator<<(std::ostream& out, const TPersistedState& s) {
  return out << "{offset " << int(s.RepaintStepOffset) << ", step " << int(s.RepaintStep) << ", transparent "
             << s.TransparentColor << "/" << std::hex << s.TransparentColorValue << ", colours " << s.ColorLeft
             << "/" << s.ColorRight << std::dec << ", bevels " << s.BevelKind << "/" << s.BevelOuter << "/"
             << s.BevelInner << ", border " << s.BorderWidth << ", enabled " << s.Enabled << ", font "
             << Narrow(s.FontName) << " " << s.FontSize << (s.FontBold ? " bold" : "")
             << (s.FontItalic ? " italic" : "") << ", font colours " << std::hex << s.FontColorLeft << "/"
             << s.FontColorRight << std::dec << ", range " << s.Min << ".." << s.Max << " at " << s.Position
             << ", show text " << s.ShowText << " '" << Narrow(s.Text) << "', visible " << s.Visible << ", wrap "
             << s.WrapExceeded << "}";
}

std::ostream& operator<<(std::ostream& out, const TPositionRange& range) {
  return out << range.Min << ".." << range.Max << " at " << range.Position;
}

TPositionRange RangeOf(IZarnelX* object) {
  TPositionRange range;
  EXPECT_EQ(object->get_Min(&range.Min), S_OK);
  EXPECT_EQ(object->get_Max(&range.Max), S_OK);
  EXPECT_EQ(object->get_Position(&range.Position), S_OK);
  return range;
}

TPersistedState ReadPersistedState(IZarnelX* object) {
  TPersistedState s;
  EXPECT_EQ(object->get_RepaintStepOffset(&s.RepaintStepOffset), S_OK);
  EXPECT_EQ(object->get_RepaintStep(&s.RepaintStep), S_OK);
  EXPECT_EQ(object->get_TransparentColor(&s.TransparentColor), S_OK);
  EXPECT_EQ(object->get_TransparentColorValue(&s.TransparentColorValue), S_OK);
  EXPECT_EQ(object->get_ColorLeft(&s.ColorLeft), S_OK);
  EXPECT_EQ(object->get_ColorRight(&s.ColorRight), S_OK);
  EXPECT_EQ(object->get_BevelKind(&s.BevelKind), S_OK);
  EXPECT_EQ(object->get_BevelOuter(&s.BevelOuter), S_OK);
  EXPECT_EQ(object->get_BevelInner(&s.BevelInner), S_OK);
  EXPECT_EQ(object->get_BorderWidth(&s.BorderWidth), S_OK);
  EXPECT_EQ(object->get_Enabled(&s.Enabled), S_OK);
  Microsoft::WRL::ComPtr<IFontDisp> fontDisp;
  EXPECT_EQ(object->get_Font(&fontDisp), S_OK);
  if (fontDisp) {
    const Microsoft::WRL::ComPtr<IFont> font = FontOf(fontDisp.Get());
    BSTR name = nullptr;
    CY size{};
    EXPECT_EQ(font->get_Name(&name), S_OK);
    s.FontName = TakeBstr(name);
    EXPECT_EQ(font->get_Size(&size), S_OK);
    s.FontSize = size.int64;
    EXPECT_EQ(font->get_Bold(&s.FontBold), S_OK);
    EXPECT_EQ(font->get_Italic(&s.FontItalic), S_OK);
  }
  EXPECT_EQ(object->get_FontColorLeft(&s.FontColorLeft), S_OK);
  EXPECT_EQ(object->get_FontColorRight(&s.FontColorRight), S_OK);
  EXPECT_EQ(object->get_Min(&s.Min), S_OK);
  EXPECT_EQ(object->get_Max(&s.Max), S_OK);
  EXPECT_EQ(object->get_Position(&s.Position), S_OK);
  EXPECT_EQ(object->get_ShowText(&s.ShowText), S_OK);
  BSTR text = nullptr;
  EXPECT_EQ(object->get_Text(&text), S_OK);
  s.Text = TakeBstr(text);
  EXPECT_EQ(object->get_Visible(&s.Visible), S_OK);
  EXPECT_EQ(object->get_WrapExceeded(&s.WrapExceeded), S_OK);
  return s;
}

TPersistedState ChangeEveryPersistedProperty(IZarnelX* object) {
  const TPersistedState before = ReadPersistedState(object);
  EXPECT_EQ(object->put_RepaintStepOffset(3), S_OK);
  EXPECT_EQ(object->put_RepaintStep(200), S_OK);
  EXPECT_EQ(object->put_TransparentColor(VARIANT_TRUE), S_OK);
  EXPECT_EQ(object->put_TransparentColorValue(0x00FF00FF), S_OK);
  EXPECT_EQ(object->put_ColorLeft(0x000080FF), S_OK);
  EXPECT_EQ(object->put_ColorRight(0x8000000F), S_OK);  // the system's button face
  EXPECT_EQ(object->put_BevelKind(bkFlat), S_OK);
  EXPECT_EQ(object->put_BevelOuter(bvRaised), S_OK);
  EXPECT_EQ(object->put_BevelInner(bvSpace), S_OK);
  EXPECT_EQ(object->put_BorderWidth(4), S_OK);
  EXPECT_EQ(object->put_Enabled(VARIANT_FALSE), S_OK);
  const Microsoft::WRL::ComPtr<IFontDisp> font = NewFont(L"Tahoma", Points(12), FW_BOLD);
  EXPECT_EQ(FontOf(font.Get())->put_Italic(TRUE), S_OK);
  EXPECT_EQ(object->put_Font(font.Get()), S_OK);
  EXPECT_EQ(object->put_FontColorLeft(0x00123456), S_OK);
  EXPECT_EQ(object->put_FontColorRight(0x00654321), S_OK);
  EXPECT_EQ(object->put_Min(-50), S_OK);
  EXPECT_EQ(object->put_Max(250), S_OK);
  EXPECT_EQ(object->put_Position(77), S_OK);
  EXPECT_EQ(object->put_ShowText(VARIANT_FALSE), S_OK);
  BSTR text = ::SysAllocString(L"Copying: ");
  EXPECT_EQ(object->put_Text(text), S_OK);
  ::SysFreeString(text);
  EXPECT_EQ(object->put_Visible(VARIANT_FALSE), S_OK);
  EXPECT_EQ(object->put_WrapExceeded(VARIANT_TRUE), S_OK);
  const TPersistedState after = ReadPersistedState(object);
  // Every field must have moved, or a round trip would prove nothing about it.
  EXPECT_NE(after.RepaintStepOffset, before.RepaintStepOffset);
  EXPECT_NE(after.RepaintStep, before.RepaintStep);
  EXPECT_NE(after.TransparentColor, before.TransparentColor);
  EXPECT_NE(after.TransparentColorValue, before.TransparentColorValue);
  EXPECT_NE(after.ColorLeft, before.ColorLeft);
  EXPECT_NE(after.ColorRight, before.ColorRight);
  EXPECT_NE(after.BevelKind, before.BevelKind);
  EXPECT_NE(after.BevelOuter, before.BevelOuter);
  EXPECT_NE(after.BevelInner, before.BevelInner);
  EXPECT_NE(after.BorderWidth, before.BorderWidth);
  EXPECT_NE(after.Enabled, before.Enabled);
  EXPECT_NE(after.FontName, before.FontName);
  EXPECT_NE(after.FontSize, before.FontSize);
  EXPECT_NE(after.FontBold, before.FontBold);
  EXPECT_NE(after.FontItalic, before.FontItalic);
  EXPECT_NE(after.FontColorLeft, before.FontColorLeft);
  EXPECT_NE(after.FontColorRight, before.FontColorRight);
  EXPECT_NE(after.Min, before.Min);
  EXPECT_NE(after.Max, before.Max);
  EXPECT_NE(after.Position, before.Position);
  EXPECT_NE(after.ShowText, before.ShowText);
  EXPECT_NE(after.Text, before.Text);
  EXPECT_NE(after.Visible, before.Visible);
  EXPECT_NE(after.WrapExceeded, before.WrapExceeded);
  return after;
}

std::string StreamBytes(IStream* stream) {
  const ULONGLONG position = StreamPosition(stream);
  SeekTo(stream, 0);
  std::string bytes;
  char buffer[4096];
  ULONG read = 0;
  while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0) bytes.append(buffer, read);
  SeekTo(stream, position);
  return bytes;
}

ULONGLONG StreamPosition(IStream* stream) {
  ULARGE_INTEGER position{};
  EXPECT_EQ(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position), S_OK);
  return position.QuadPart;
}

void SeekTo(IStream* stream, ULONGLONG position) {
  LARGE_INTEGER move;
  move.QuadPart = static_cast<LONGLONG>(position);
  EXPECT_EQ(stream->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
}

Microsoft::WRL::ComPtr<IStream> StreamOf(const std::string& bytes) {
  Microsoft::WRL::ComPtr<IStream> stream;
  EXPECT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  ULONG written = 0;
  EXPECT_EQ(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written), S_OK);
  SeekTo(stream.Get(), 0);
  return stream;
}

}  // namespace zarnel::test
