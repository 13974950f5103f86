#pragma once
// TZarnelX: the ActiveX control object, the automation face of one progress control. Every member of
// IZarnelX forwards to the control, converting values at the boundary.
#include "ActiveXControl.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel {

class TZarnel2Pro;

class TZarnelX final : public TActiveXControl<TZarnelX, IZarnelX> {
 public:
  TZarnelX(TActiveXControlFactory& factory, IUnknown* outer) : TActiveXControl(factory, outer) {}
  ~TZarnelX() override = default;

  static std::span<const TInterfaceEntry> Interfaces();
  // The control class the factory creates for every object.
  static std::unique_ptr<TWinControl> CreateProgressControl();

  // IZarnelX, in its vtable order.
  STDMETHODIMP get_TextW(LONG* Value) noexcept override;
  STDMETHODIMP AddPosition(LONG Value) noexcept override;
  STDMETHODIMP LoadFromFile(BSTR FileName, LONG* Value) noexcept override;
  STDMETHODIMP ResetCustomBitMap() noexcept override;
  STDMETHODIMP LoadFromResourceID(ULONG Instance, LONG ResID) noexcept override;
  STDMETHODIMP LoadFromResourceName(ULONG Instance, BSTR ResName) noexcept override;
  STDMETHODIMP get_RepaintStepOffset(BYTE* Value) noexcept override;
  STDMETHODIMP put_RepaintStepOffset(BYTE Value) noexcept override;
  STDMETHODIMP get_RepaintStep(BYTE* Value) noexcept override;
  STDMETHODIMP put_RepaintStep(BYTE Value) noexcept override;
  STDMETHODIMP get_TransparentColor(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_TransparentColor(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_TransparentColorValue(OLE_COLOR* Value) noexcept override;
  STDMETHODIMP put_TransparentColorValue(OLE_COLOR Value) noexcept override;
  STDMETHODIMP get_ColorLeft(OLE_COLOR* Value) noexcept override;
  STDMETHODIMP put_ColorLeft(OLE_COLOR Value) noexcept override;
  STDMETHODIMP get_ColorRight(OLE_COLOR* Value) noexcept override;
  STDMETHODIMP put_ColorRight(OLE_COLOR Value) noexcept override;
  STDMETHODIMP get_BevelKind(TxBevelKind* Value) noexcept override;
  STDMETHODIMP put_BevelKind(TxBevelKind Value) noexcept override;
  STDMETHODIMP get_BevelOuter(TxBevelCut* Value) noexcept override;
  STDMETHODIMP put_BevelOuter(TxBevelCut Value) noexcept override;
  STDMETHODIMP get_BevelInner(TxBevelCut* Value) noexcept override;
  STDMETHODIMP put_BevelInner(TxBevelCut Value) noexcept override;
  STDMETHODIMP get_BorderWidth(LONG* Value) noexcept override;
  STDMETHODIMP put_BorderWidth(LONG Value) noexcept override;
  STDMETHODIMP get_Enabled(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_Enabled(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_Font(IFontDisp** Value) noexcept override;
  STDMETHODIMP put_Font(IFontDisp* Value) noexcept override;
  STDMETHODIMP putref_Font(IFontDisp** Value) noexcept override;
  STDMETHODIMP get_FontColorLeft(OLE_COLOR* Value) noexcept override;
  STDMETHODIMP put_FontColorLeft(OLE_COLOR Value) noexcept override;
  STDMETHODIMP get_FontColorRight(OLE_COLOR* Value) noexcept override;
  STDMETHODIMP put_FontColorRight(OLE_COLOR Value) noexcept override;
  STDMETHODIMP get_Min(LONG* Value) noexcept override;
  STDMETHODIMP put_Min(LONG Value) noexcept override;
  STDMETHODIMP get_Max(LONG* Value) noexcept override;
  STDMETHODIMP put_Max(LONG Value) noexcept override;
  STDMETHODIMP get_Position(LONG* Value) noexcept override;
  STDMETHODIMP put_Position(LONG Value) noexcept override;
  STDMETHODIMP get_ShowText(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_ShowText(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_Text(BSTR* Value) noexcept override;
  STDMETHODIMP put_Text(BSTR Value) noexcept override;
  STDMETHODIMP get_Visible(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_Visible(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_WrapExceeded(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_WrapExceeded(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_DoubleBuffered(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP put_DoubleBuffered(VARIANT_BOOL Value) noexcept override;
  STDMETHODIMP get_AlignDisabled(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP get_VisibleDockClientCount(LONG* Value) noexcept override;
  STDMETHODIMP DrawTextBiDiModeFlagsReadingOnly(LONG* Value) noexcept override;
  STDMETHODIMP InitiateAction() noexcept override;
  STDMETHODIMP IsRightToLeft(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP UseRightToLeftReading(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP UseRightToLeftScrollBar(VARIANT_BOOL* Value) noexcept override;
  STDMETHODIMP SetSubComponent(VARIANT_BOOL IsSubComponent) noexcept override;
  STDMETHODIMP AboutBox() noexcept override;

 protected:
  void EventSinkChanged(IDispatch* sink) override;
  void InitializeControl() override;

 private:
  // Reads a value of the control into an out parameter.
  template <typename T, typename F>
  HRESULT Get(T* value, F&& read) noexcept {
    return Guard([&] { OutParam(value) = read(); });
  }

  // The control's six events, fired to the connected sink (ZarnelEvents.cpp).
  void HookEvents();
  void FireEvent(DISPID id, std::span<VARIANT> arguments) noexcept;

  TZarnel2Pro* FProgressControl = nullptr;
  // The connected sink's events interface as its relay gives it; empty when none is connected.
  Microsoft::WRL::ComPtr<IDispatch> FEventTarget;
};

}  // namespace zarnel
