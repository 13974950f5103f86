#include "ClientFont.h"

#include <gtest/gtest.h>

namespace zarnel::test {

Microsoft::WRL::ComPtr<IFontDisp> NewFont(const wchar_t* name, int64_t size, short weight) {
  FONTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = const_cast<LPOLESTR>(name);
  description.cySize.int64 = size;
  description.sWeight = weight;
  description.sCharset = DEFAULT_CHARSET;
  Microsoft::WRL::ComPtr<IFontDisp> font;
  EXPECT_EQ(::OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(font.GetAddressOf())), S_OK);
  return font;
}

Microsoft::WRL::ComPtr<IFont> FontOf(IUnknown* font) {
  Microsoft::WRL::ComPtr<IFont> face;
  EXPECT_EQ(font->QueryInterface(IID_PPV_ARGS(&face)), S_OK);
  return face;
}

}  // namespace zarnel::test
