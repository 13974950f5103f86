#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "ObjectText.h"
#include "StreamBytes.h"

namespace zarnel::stream::testing {

inline std::vector<std::uint8_t> ToBinary(std::string_view text) {
  TMemorySink sink;
  ObjectTextToBinary(text, sink);
  return sink.bytes;
}

// Read in small chunks, so that the read-ahead refills inside values.
inline std::string ToText(const std::vector<std::uint8_t>& bytes) {
  TMemorySource source(bytes, 7);
  return ObjectBinaryToText(source, TCp1252CodePage{});
}

// The text and the stream of a form "F" of class "TF" whose only property is `Value`. A value
// that starts on the next line (a long string) follows "Value =" without a space.
inline std::string FormWithValue(std::string_view value) {
  return "object F: TF\n  Value =" + std::string(value.starts_with('\n') ? "" : " ") + std::string(value) + "\nend\n";
}

inline TStreamBytes StreamWithValue(const TStreamBytes& value) {
  return TStreamBytes().Header("TF", "F").Short("Value").Append(value).End();
}

}  // namespace zarnel::stream::testing
