#include "PropertyValues.h"

#include <olectl.h>
#include <wrl/client.h>

#include <cstring>

namespace zarnel::fuzz {
namespace {

using Microsoft::WRL::ComPtr;

bool SameText(BSTR a, BSTR b) {
  const UINT length = ::SysStringLen(a);
  return length == ::SysStringLen(b) && (length == 0 || std::memcmp(a, b, length * sizeof(OLECHAR)) == 0);
}

struct TFontAttributes {
  HRESULT Result = S_OK;
  BSTR Name = nullptr;
  CY Size{};
  BOOL Bold = FALSE, Italic = FALSE, Underline = FALSE, Strikethrough = FALSE;
  SHORT Charset = 0;

  explicit TFontAttributes(IUnknown* object) {
    ComPtr<IFont> font;
    Result = object ? object->QueryInterface(IID_PPV_ARGS(&font)) : E_POINTER;
    if (FAILED(Result)) return;
    for (const HRESULT hr : {font->get_Name(&Name), font->get_Size(&Size), font->get_Bold(&Bold),
                             font->get_Italic(&Italic), font->get_Underline(&Underline),
                             font->get_Strikethrough(&Strikethrough), font->get_Charset(&Charset)})
      if (FAILED(hr) && SUCCEEDED(Result)) Result = hr;
  }
  ~TFontAttributes() { ::SysFreeString(Name); }
  TFontAttributes(const TFontAttributes&) = delete;
  TFontAttributes& operator=(const TFontAttributes&) = delete;

  bool operator==(const TFontAttributes& o) const {
    return SUCCEEDED(Result) && SUCCEEDED(o.Result) && SameText(Name, o.Name) && Size.int64 == o.Size.int64 &&
           !Bold == !o.Bold && !Italic == !o.Italic && !Underline == !o.Underline &&
           !Strikethrough == !o.Strikethrough && Charset == o.Charset;
  }
};

}  // namespace

TPropertyValues ReadValues(const TControlObject& object, const std::vector<TPersistedProperty>& properties) {
  TPropertyValues values;
  values.reserve(properties.size());
  for (const TPersistedProperty& property : properties) values.push_back(object.Get(property));
  return values;
}

bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_UI1: return a.bVal == b.bVal;
    case VT_BOOL: return a.boolVal == b.boolVal;
    case VT_I4: return a.lVal == b.lVal;
    case VT_UI4: return a.ulVal == b.ulVal;
    case VT_BSTR: return SameText(a.bstrVal, b.bstrVal);
    case VT_DISPATCH:
    case VT_UNKNOWN: return TFontAttributes(a.punkVal) == TFontAttributes(b.punkVal);
    default: return false;  // no persisted property answers in another type
  }
}

}  // namespace zarnel::fuzz
