#pragma once
// Published settings every control carries, whether or not it makes other use of them: the
// component stream saves and restores them. No Windows headers.
#include <cstdint>
#include <string>

namespace zarnel {

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;  // a set of TAnchorKind bits
enum class THelpType : uint8_t { htKeyword, htContext };
using TCursor = int16_t;  // crDefault 0, the standard cursors negative

struct TControlSettings {
  TAlign Align = TAlign::alNone;
  TAnchors Anchors = akLeft | akTop;
  TCursor Cursor = 0;
  std::string Hint;
  bool ShowHint = false;
  bool ParentShowHint = true;
  bool ParentFont = true;
  bool ParentColor = true;  // the control's colour follows its container's
  THelpType HelpType = THelpType::htContext;
  std::string HelpKeyword;
  int32_t HelpContext = 0;
};

}  // namespace zarnel
