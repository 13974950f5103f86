#include "OlePro32.h"

#include "OleError.h"

namespace zarnel {

TOlePro32& TOlePro32::Instance() {
  static TOlePro32 library;
  return library;
}

TOlePro32::TOlePro32() {
  const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  FModule = ::LoadLibraryA("olepro32.dll");
  ::SetErrorMode(previous);
  if (FModule)
    FCreateFontIndirect = reinterpret_cast<TCreateFontIndirect>(
        reinterpret_cast<void*>(::GetProcAddress(FModule, "OleCreateFontIndirect")));
}

TOlePro32::~TOlePro32() {
  if (FModule) ::FreeLibrary(FModule);
}

Microsoft::WRL::ComPtr<IFont> TOlePro32::NewFont(FONTDESC& description) const {
  if (!FCreateFontIndirect) throw EOleSysError("olepro32.dll offers no OleCreateFontIndirect", E_UNEXPECTED);
  Microsoft::WRL::ComPtr<IFont> font;
  OleCheck(FCreateFontIndirect(&description, IID_IFont, reinterpret_cast<void**>(font.GetAddressOf())));
  return font;
}

}  // namespace zarnel
