#include "ZarnelImpl1.h"

#include "About1.h"
#include "Bstr.h"
#include "FontAdapter.h"
#include "Zarnel2Pro.h"

namespace zarnel {
namespace {

// Only the low 16 bits of an incoming VARIANT_BOOL count.
bool FromVariantBool(VARIANT_BOOL value) { return static_cast<uint16_t>(value) != 0; }
VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
// Enumerations cross as their ordinals: the low 8 bits in, widened out.
uint8_t LowByte(long value) { return static_cast<uint8_t>(value & 0xFF); }

}  // namespace

std::span<const TInterfaceEntry> TZarnelX::Interfaces() {
  static const TInterfaceEntry table[] = {
      InterfaceEntry<TZarnelX, IZarnelX>(IID_IZarnelX),
      InterfaceEntry<TZarnelX, IZarnelX>(IID_IDispatch),
      InterfaceEntry<TZarnelX, ISupportErrorInfo>(IID_ISupportErrorInfo),
      InterfaceEntry<TZarnelX, IOleObject>(IID_IOleObject),
      InterfaceEntry<TZarnelX, IOleWindow, IOleInPlaceObject>(IID_IOleWindow),
      InterfaceEntry<TZarnelX, IOleInPlaceObject>(IID_IOleInPlaceObject),
      InterfaceEntry<TZarnelX, IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject),
      InterfaceEntry<TZarnelX, IOleControl>(IID_IOleControl),
      InterfaceEntry<TZarnelX, IViewObject, IViewObject2>(IID_IViewObject),
      InterfaceEntry<TZarnelX, IViewObject2>(IID_IViewObject2),
      InterfaceEntry<TZarnelX, IProvideClassInfo, IProvideClassInfo2>(IID_IProvideClassInfo),
      InterfaceEntry<TZarnelX, IProvideClassInfo2>(IID_IProvideClassInfo2),
      InterfaceEntry<TZarnelX, ISpecifyPropertyPages>(IID_ISpecifyPropertyPages),
      InterfaceEntry<TZarnelX, IConnectionPointContainer>(IID_IConnectionPointContainer),
      InterfaceEntry<TZarnelX, IPersistStreamInit>(IID_IPersistStreamInit),
      InterfaceEntry<TZarnelX, IPersistStorage>(IID_IPersistStorage),
      InterfaceEntry<TZarnelX, IPersistPropertyBag>(IID_IPersistPropertyBag),
  };
  return table;
}

std::unique_ptr<TWinControl> TZarnelX::CreateProgressControl() { return std::make_unique<TZarnel2Pro>(nullptr); }

void TZarnelX::InitializeControl() {
  FProgressControl = &dynamic_cast<TZarnel2Pro&>(Control());
  HookEvents();
}

STDMETHODIMP TZarnelX::get_TextW(LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->CaptionWidth(); });
}

STDMETHODIMP TZarnelX::AddPosition(LONG Value) noexcept {
  return Guard([&] { FProgressControl->AddPosition(Value); });
}

STDMETHODIMP TZarnelX::LoadFromFile(BSTR FileName, LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->LoadFromFile(BstrToText(FileName)); });
}

STDMETHODIMP TZarnelX::ResetCustomBitMap() noexcept {
  return Guard([&] { FProgressControl->ResetCustomBitMap(); });
}

STDMETHODIMP TZarnelX::LoadFromResourceID(ULONG Instance, LONG ResID) noexcept {
  return Guard([&] { FProgressControl->LoadFromResourceID(Instance, ResID); });
}

STDMETHODIMP TZarnelX::LoadFromResourceName(ULONG Instance, BSTR ResName) noexcept {
  return Guard([&] { FProgressControl->LoadFromResourceName(Instance, BstrToText(ResName)); });
}

STDMETHODIMP TZarnelX::get_RepaintStepOffset(BYTE* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->RepaintStepOffset(); });
}

STDMETHODIMP TZarnelX::put_RepaintStepOffset(BYTE Value) noexcept {
  return Guard([&] { FProgressControl->SetRepaintStepOffset(Value); });
}

STDMETHODIMP TZarnelX::get_RepaintStep(BYTE* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->RepaintStep(); });
}

STDMETHODIMP TZarnelX::put_RepaintStep(BYTE Value) noexcept {
  return Guard([&] { FProgressControl->SetRepaintStep(Value); });
}

STDMETHODIMP TZarnelX::get_TransparentColor(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->TransparentColor()); });
}

STDMETHODIMP TZarnelX::put_TransparentColor(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetTransparentColor(FromVariantBool(Value)); });
}

STDMETHODIMP TZarnelX::get_TransparentColorValue(OLE_COLOR* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->TransparentColorValue(); });
}

STDMETHODIMP TZarnelX::put_TransparentColorValue(OLE_COLOR Value) noexcept {
  return Guard([&] { FProgressControl->SetTransparentColorValue(Value); });
}

STDMETHODIMP TZarnelX::get_ColorLeft(OLE_COLOR* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->ColorLeft(); });
}

STDMETHODIMP TZarnelX::put_ColorLeft(OLE_COLOR Value) noexcept {
  return Guard([&] { FProgressControl->SetColorLeft(Value); });
}

STDMETHODIMP TZarnelX::get_ColorRight(OLE_COLOR* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->ColorRight(); });
}

STDMETHODIMP TZarnelX::put_ColorRight(OLE_COLOR Value) noexcept {
  return Guard([&] { FProgressControl->SetColorRight(Value); });
}

STDMETHODIMP TZarnelX::get_BevelKind(TxBevelKind* Value) noexcept {
  return Get(Value, [&] { return static_cast<TxBevelKind>(FProgressControl->BevelKind()); });
}

STDMETHODIMP TZarnelX::put_BevelKind(TxBevelKind Value) noexcept {
  return Guard([&] { FProgressControl->SetBevelKind(LowByte(Value)); });
}

STDMETHODIMP TZarnelX::get_BevelOuter(TxBevelCut* Value) noexcept {
  return Get(Value, [&] { return static_cast<TxBevelCut>(FProgressControl->BevelOuter()); });
}

STDMETHODIMP TZarnelX::put_BevelOuter(TxBevelCut Value) noexcept {
  return Guard([&] { FProgressControl->SetBevelCut(BevelOuterIndex, LowByte(Value)); });
}

STDMETHODIMP TZarnelX::get_BevelInner(TxBevelCut* Value) noexcept {
  return Get(Value, [&] { return static_cast<TxBevelCut>(FProgressControl->BevelInner()); });
}

STDMETHODIMP TZarnelX::put_BevelInner(TxBevelCut Value) noexcept {
  return Guard([&] { FProgressControl->SetBevelCut(BevelInnerIndex, LowByte(Value)); });
}

STDMETHODIMP TZarnelX::get_BorderWidth(LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->BorderWidth(); });
}

STDMETHODIMP TZarnelX::put_BorderWidth(LONG Value) noexcept {
  return Guard([&] { FProgressControl->SetBorderWidth(Value); });
}

STDMETHODIMP TZarnelX::get_Enabled(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->Enabled()); });
}

STDMETHODIMP TZarnelX::put_Enabled(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetEnabled(FromVariantBool(Value)); });
}

STDMETHODIMP TZarnelX::get_Font(IFontDisp** Value) noexcept {
  if (Value) *Value = nullptr;
  return Get(Value, [&] { return TFontAdapter::Of(FProgressControl->Font()).FontDisp().Detach(); });
}

STDMETHODIMP TZarnelX::put_Font(IFontDisp* Value) noexcept {
  return Guard([&] { TFontAdapter::Of(FProgressControl->Font()).Put(Value); });
}

STDMETHODIMP TZarnelX::putref_Font(IFontDisp** Value) noexcept {
  return Guard([&] { TFontAdapter::Of(FProgressControl->Font()).Put(OutParam(Value)); });
}

STDMETHODIMP TZarnelX::get_FontColorLeft(OLE_COLOR* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->FontColorLeft(); });
}

STDMETHODIMP TZarnelX::put_FontColorLeft(OLE_COLOR Value) noexcept {
  return Guard([&] { FProgressControl->SetFontColorLeft(Value); });
}

STDMETHODIMP TZarnelX::get_FontColorRight(OLE_COLOR* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->FontColorRight(); });
}

STDMETHODIMP TZarnelX::put_FontColorRight(OLE_COLOR Value) noexcept {
  return Guard([&] { FProgressControl->SetFontColorRight(Value); });
}

STDMETHODIMP TZarnelX::get_Min(LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->Min(); });
}

STDMETHODIMP TZarnelX::put_Min(LONG Value) noexcept {
  return Guard([&] { FProgressControl->SetMin(Value); });
}

STDMETHODIMP TZarnelX::get_Max(LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->Max(); });
}

STDMETHODIMP TZarnelX::put_Max(LONG Value) noexcept {
  return Guard([&] { FProgressControl->SetMax(Value); });
}

STDMETHODIMP TZarnelX::get_Position(LONG* Value) noexcept {
  return Get(Value, [&] { return FProgressControl->Position(); });
}

STDMETHODIMP TZarnelX::put_Position(LONG Value) noexcept {
  return Guard([&] { FProgressControl->SetPosition(Value); });
}

STDMETHODIMP TZarnelX::get_ShowText(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->ShowText()); });
}

STDMETHODIMP TZarnelX::put_ShowText(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetShowText(FromVariantBool(Value)); });
}

STDMETHODIMP TZarnelX::get_Text(BSTR* Value) noexcept {
  if (Value) *Value = nullptr;
  return Get(Value, [&] { return TextToBstr(FProgressControl->Text()).release(); });
}

STDMETHODIMP TZarnelX::put_Text(BSTR Value) noexcept {
  return Guard([&] { FProgressControl->SetText(BstrToText(Value)); });
}

STDMETHODIMP TZarnelX::get_Visible(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->Visible()); });
}

STDMETHODIMP TZarnelX::put_Visible(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetVisible(FromVariantBool(Value)); });
}

STDMETHODIMP TZarnelX::get_WrapExceeded(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->WrapExceeded()); });
}

STDMETHODIMP TZarnelX::put_WrapExceeded(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetWrapExceeded(FromVariantBool(Value)); });
}

STDMETHODIMP TZarnelX::get_DoubleBuffered(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [&] { return ToVariantBool(FProgressControl->DoubleBuffered()); });
}

STDMETHODIMP TZarnelX::put_DoubleBuffered(VARIANT_BOOL Value) noexcept {
  return Guard([&] { FProgressControl->SetDoubleBuffered(FromVariantBool(Value)); });
}

// The control holds no child controls and takes no docked ones: there is no alignment to suspend.
STDMETHODIMP TZarnelX::get_AlignDisabled(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [] { return VARIANT_FALSE; });
}

STDMETHODIMP TZarnelX::get_VisibleDockClientCount(LONG* Value) noexcept {
  return Get(Value, [] { return 0L; });
}

// The control always reads left to right: nothing can change its reading order.
STDMETHODIMP TZarnelX::DrawTextBiDiModeFlagsReadingOnly(LONG* Value) noexcept {
  return Get(Value, [] { return 0L; });
}

// The control has no action link to update it.
STDMETHODIMP TZarnelX::InitiateAction() noexcept { return S_OK; }

STDMETHODIMP TZarnelX::IsRightToLeft(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [] { return VARIANT_FALSE; });
}

STDMETHODIMP TZarnelX::UseRightToLeftReading(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [] { return VARIANT_FALSE; });
}

STDMETHODIMP TZarnelX::UseRightToLeftScrollBar(VARIANT_BOOL* Value) noexcept {
  return Get(Value, [] { return VARIANT_FALSE; });
}

STDMETHODIMP TZarnelX::SetSubComponent(VARIANT_BOOL IsSubComponent) noexcept {
  return Guard([&] { FProgressControl->SetSubComponent(FromVariantBool(IsSubComponent)); });
}

STDMETHODIMP TZarnelX::AboutBox() noexcept {
  return Guard([] { ShowAboutBox(); });
}

}  // namespace zarnel
