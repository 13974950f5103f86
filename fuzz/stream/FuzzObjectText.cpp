// Arbitrary bytes into the form text converter, both as a component stream and as text.
// Whatever binary->text accepts must convert back to a stream whose text is the same text, and
// whatever text->binary accepts must print as text that is its own fixed point; every other
// input must fail with the converter's own errors. Anything else aborts.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "ObjectText.h"
#include "StreamError.h"

using namespace zarnel::stream;
using namespace zarnel::stream::testing;

namespace {

std::string TextOf(std::span<const std::uint8_t> bytes) {
  // An odd chunk size makes the read-ahead refill in the middle of values.
  TMemorySource source(bytes, 97);
  return ObjectBinaryToText(source, TCp1252CodePage{});
}

// Exceptions escaping from here are faults: the text was printed by the converter itself.
void CheckIsFixedPoint(const std::string& text) {
  TMemorySink sink;
  ObjectTextToBinary(text, sink);
  if (TextOf(sink.bytes) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  std::optional<std::string> text;
  try {
    text = TextOf(input);
  } catch (const EStreamError&) {
  }
  if (text) CheckIsFixedPoint(*text);

  TMemorySink sink;
  try {
    ObjectTextToBinary(std::string_view(reinterpret_cast<const char*>(data), size), sink);
  } catch (const ETextError&) {
    return 0;
  }
  CheckIsFixedPoint(TextOf(sink.bytes));
  return 0;
}
