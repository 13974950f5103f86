#pragma once
// What an object shows, through IZarnelX, of the properties it saves and loads, so that a round
// trip can be checked as one comparison; and the writes that move every one of them away from what
// a new object holds.
#include <windows.h>
#include <wrl/client.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {

struct TPersistedState {
  BYTE RepaintStepOffset = 0;
  BYTE RepaintStep = 0;
  VARIANT_BOOL TransparentColor = 0;
  OLE_COLOR TransparentColorValue = 0;
  OLE_COLOR ColorLeft = 0;
  OLE_COLOR ColorRight = 0;
  TxBevelKind BevelKind = bkNone;
  TxBevelCut BevelOuter = bvNone;
  TxBevelCut BevelInner = bvNone;
  LONG BorderWidth = 0;
  VARIANT_BOOL Enabled = 0;
  std::wstring FontName;
  int64_t FontSize = 0;
  BOOL FontBold = FALSE;
  BOOL FontItalic = FALSE;
  OLE_COLOR FontColorLeft = 0;
  OLE_COLOR FontColorRight = 0;
  LONG Min = 0;
  LONG Max = 0;
  LONG Position = 0;
  VARIANT_BOOL ShowText = 0;
  std::wstring Text;
  VARIANT_BOOL Visible = 0;
  VARIANT_BOOL WrapExceeded = 0;

  bool operator==(const TPersistedState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TPersistedState& state);

// Reads the state through the vtable; fails the test when a get fails.
TPersistedState ReadPersistedState(IZarnelX* object);

// The range and position alone, for loads whose order of Min and Max matters.
struct TPositionRange {
  LONG Min = 0;
  LONG Max = 0;
  LONG Position = 0;

  bool operator==(const TPositionRange&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TPositionRange& range);
TPositionRange RangeOf(IZarnelX* object);
// Writes a value other than a new object's to every property the component stream keeps (the
// font too, so that it is the control's own), and returns what the object then shows.
TPersistedState ChangeEveryPersistedProperty(IZarnelX* object);

// The bytes from the stream's start to its end; the position is left where it was.
std::string StreamBytes(IStream* stream);
// The stream's current position.
ULONGLONG StreamPosition(IStream* stream);
// Moves the stream to `position` from its start.
void SeekTo(IStream* stream, ULONGLONG position);
// A new stream in memory holding `bytes`, positioned at its start.
Microsoft::WRL::ComPtr<IStream> StreamOf(const std::string& bytes);

}  // namespace zarnel::test
