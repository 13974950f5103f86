#pragma once
// olepro32.dll, where the module takes its automation fonts from: loaded on first use without the
// system's error box for a missing file, freed when the module's statics go.
#include <olectl.h>
#include <windows.h>
#include <wrl/client.h>

namespace zarnel {

class TOlePro32 {
 public:
  static TOlePro32& Instance();
  TOlePro32(const TOlePro32&) = delete;
  TOlePro32& operator=(const TOlePro32&) = delete;

  // A new automation font as described, through the library's OleCreateFontIndirect. Raises
  // EOleSysError with E_UNEXPECTED when the library or the function is missing, else with the
  // creator's own failure.
  Microsoft::WRL::ComPtr<IFont> NewFont(FONTDESC& description) const;

 private:
  using TCreateFontIndirect = HRESULT(WINAPI*)(LPFONTDESC, REFIID, LPVOID*);

  TOlePro32();
  ~TOlePro32();

  HMODULE FModule = nullptr;
  TCreateFontIndirect FCreateFontIndirect = nullptr;
};

}  // namespace zarnel
