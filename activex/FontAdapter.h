#pragma once
// The two-way bridge between a control's font and the one automation font (IFont) that stands for
// it across COM. A change on either side reaches the other; a change that arrives from the other
// side is not sent back.
#include <ocidl.h>
#include <wrl/client.h>

#include "AdapterNotifier.h"
#include "Font.h"

namespace zarnel {

class TFontAdapter final : public IFontAdapter {
 public:
  // The font's adapter, made and attached to the font the first time it crosses to COM; the font
  // keeps it for the rest of its life.
  static TFontAdapter& Of(TFont& font);
  ~TFontAdapter() override;
  TFontAdapter(const TFontAdapter&) = delete;
  TFontAdapter& operator=(const TFontAdapter&) = delete;

  // The connected automation font; the first call makes one from the control's font.
  Microsoft::WRL::ComPtr<IFontDisp> FontDisp();
  // Connects to font, or to nothing for null, and takes its attributes over. An object that is no
  // automation font raises EFrameworkError and changes nothing.
  void Put(IUnknown* font);
  // Takes the connected automation font's attributes over into the control's font, in one change.
  void Update();
  // The control's font changed: its attributes go out to the connected automation font.
  void FontChanged() override;

 private:
  explicit TFontAdapter(TFont& font);
  // Advises the notifier to font (or to nothing) before letting the current one go, so that a
  // failure leaves the current connection as it was.
  void Connect(Microsoft::WRL::ComPtr<IFont> font);
  void Disconnect() noexcept;

  TFont& FFont;
  Microsoft::WRL::ComPtr<IFont> FOleFont;
  DWORD FConnection = 0;
  Microsoft::WRL::ComPtr<TAdapterNotifier> FNotifier;
  // Set while one side is being written from the other.
  bool FUpdating = false;
};

}  // namespace zarnel
