// IOleControl and the container's ambient properties: its back colour, fore colour and font reach
// the control while the control follows its parent's colour and font.
#include "ActiveXControl.h"

#include <olectl.h>
#include "FontAdapter.h"
#include "Variant.h"

namespace zarnel {
namespace {

using Microsoft::WRL::ComPtr;

// An ambient colour: an OLE_COLOR, kept as its 32 bits whatever integer type carries it.
HRESULT AmbientColor(IDispatch& ambient, DISPID id, TColor& color) {
  TVariant value;
  HRESULT hr = GetProperty(ambient, id, value);
  if (SUCCEEDED(hr) && value->vt != VT_I4 && value->vt != VT_UI4) hr = ::VariantChangeType(value.get(), value.get(), 0, VT_I4);
  if (SUCCEEDED(hr)) color = static_cast<TColor>(value->lVal);
  return hr;
}

}  // namespace

STDMETHODIMP TActiveXControlBase::GetControlInfo(CONTROLINFO* info) noexcept {
  if (!info) return E_POINTER;
  // No mnemonics: no accelerator table.
  info->cb = sizeof(CONTROLINFO);
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::OnMnemonic(MSG*) noexcept { return E_NOTIMPL; }

STDMETHODIMP TActiveXControlBase::OnAmbientPropertyChange(DISPID) noexcept {
  RefreshAmbient();
  return S_OK;
}

STDMETHODIMP TActiveXControlBase::FreezeEvents(BOOL freeze) noexcept {
  if (freeze)
    ++FEventsFrozen;
  else if (FEventsFrozen > 0)
    --FEventsFrozen;
  return S_OK;
}

void TActiveXControlBase::RefreshAmbient() noexcept {
  ComPtr<IDispatch> ambient;
  if (!FClientSite || !FControl || FAILED(FClientSite.As(&ambient))) return;
  TWinControl& control = Control();
  try {
    TColor back = 0;
    if (SUCCEEDED(AmbientColor(*ambient.Get(), DISPID_AMBIENT_BACKCOLOR, back)) && control.Settings().ParentColor)
      control.SetColor(back);
  } catch (...) {
    // The colour stays as it was; the rest of the refresh goes on.
  }
  try {
    control.SetCtl3D(true);
    if (control.HandleAllocated())
      ::RedrawWindow(control.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    // The font step: abandoned at its first failure.
    TFont ambientFont;
    TColor fore = 0;
    if (FAILED(AmbientColor(*ambient.Get(), DISPID_AMBIENT_FORECOLOR, fore))) return;
    ambientFont.SetColor(fore);
    TVariant font;
    if (FAILED(GetProperty(*ambient.Get(), DISPID_AMBIENT_FONT, font)) || font->vt != VT_DISPATCH || !font->pdispVal)
      return;
    TFontAdapter::Of(ambientFont).Put(font->pdispVal);
    if (control.ParentFont()) {
      control.Font().Assign(ambientFont);
      // Taking the ambient font over is no font of the control's own.
      control.Settings().ParentFont = true;
    }
  } catch (...) {
    // Nothing is reported to the container.
  }
}

}  // namespace zarnel
