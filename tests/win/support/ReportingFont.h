#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <utility>

namespace zarnel::test {

// An automation font of the client's own that reports some attributes other than the platform font
// behind it says. The platform keeps weight and boldness in step, and reports sizes as realized in
// whole pixels; only such a font can hand the control a Bold flag that contradicts the weight, or an
// exact half-point size. Everything else, its connection point included, is the platform font's.
class TReportingFont final : public IFont {
 public:
  explicit TReportingFont(Microsoft::WRL::ComPtr<IFont> real) : FReal(std::move(real)) {}

  std::optional<BOOL> Bold;
  std::optional<int64_t> Size;
  std::optional<SHORT> Weight;

  // The control takes any object whose IUnknown answers IFont.
  IFontDisp* AsFontArgument() { return reinterpret_cast<IFontDisp*>(static_cast<IUnknown*>(this)); }

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IFont)) {
      *ppv = static_cast<IFont*>(this);
      AddRef();
      return S_OK;
    }
    return FReal->QueryInterface(iid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++FReferences); }
  STDMETHODIMP_(ULONG) Release() override {
    const long count = --FReferences;
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
  }

  STDMETHODIMP get_Size(CY* size) override {
    if (!Size) return FReal->get_Size(size);
    size->int64 = *Size;
    return S_OK;
  }
  STDMETHODIMP get_Bold(BOOL* bold) override {
    if (!Bold) return FReal->get_Bold(bold);
    *bold = *Bold;
    return S_OK;
  }
  STDMETHODIMP get_Name(BSTR* name) override { return FReal->get_Name(name); }
  STDMETHODIMP put_Name(BSTR name) override { return FReal->put_Name(name); }
  STDMETHODIMP put_Size(CY size) override { return FReal->put_Size(size); }
  STDMETHODIMP put_Bold(BOOL bold) override { return FReal->put_Bold(bold); }
  STDMETHODIMP get_Italic(BOOL* italic) override { return FReal->get_Italic(italic); }
  STDMETHODIMP put_Italic(BOOL italic) override { return FReal->put_Italic(italic); }
  STDMETHODIMP get_Underline(BOOL* underline) override { return FReal->get_Underline(underline); }
  STDMETHODIMP put_Underline(BOOL underline) override { return FReal->put_Underline(underline); }
  STDMETHODIMP get_Strikethrough(BOOL* strike) override { return FReal->get_Strikethrough(strike); }
  STDMETHODIMP put_Strikethrough(BOOL strike) override { return FReal->put_Strikethrough(strike); }
  STDMETHODIMP get_Weight(SHORT* weight) override {
    if (!Weight) return FReal->get_Weight(weight);
    *weight = *Weight;
    return S_OK;
  }
  STDMETHODIMP put_Weight(SHORT weight) override { return FReal->put_Weight(weight); }
  STDMETHODIMP get_Charset(SHORT* charset) override { return FReal->get_Charset(charset); }
  STDMETHODIMP put_Charset(SHORT charset) override { return FReal->put_Charset(charset); }
  STDMETHODIMP get_hFont(HFONT* font) override { return FReal->get_hFont(font); }
  STDMETHODIMP Clone(IFont** font) override { return FReal->Clone(font); }
  STDMETHODIMP IsEqual(IFont* other) override { return FReal->IsEqual(other); }
  STDMETHODIMP SetRatio(LONG logical, LONG himetric) override { return FReal->SetRatio(logical, himetric); }
  STDMETHODIMP QueryTextMetrics(TEXTMETRICOLE* metrics) override { return FReal->QueryTextMetrics(metrics); }
  STDMETHODIMP AddRefHfont(HFONT font) override { return FReal->AddRefHfont(font); }
  STDMETHODIMP ReleaseHfont(HFONT font) override { return FReal->ReleaseHfont(font); }
  STDMETHODIMP SetHdc(HDC dc) override { return FReal->SetHdc(dc); }

 private:
  ~TReportingFont() = default;

  Microsoft::WRL::ComPtr<IFont> FReal;
  long FReferences = 0;
};

}  // namespace zarnel::test
