#pragma once
// The values of a hostile bag, made from the input bytes: every automation type a page or a form
// file can hold, with the values that break conversions (extremes, NaN and infinities, odd
// booleans, strings that look like numbers, embedded NULs and lone surrogates, very long text),
// null and hostile objects, platform fonts with hostile attributes, byte arrays and by-reference
// forms. Every value is well-formed; by-reference values point into the input's resources.
#include <cstdint>

#include "ByteReader.h"
#include "InputResources.h"
#include "Variant.h"

namespace zarnel::fuzz {

class TValueMaker {
 public:
  TValueMaker(TByteReader& in, TInputResources& resources, TAnswerTrace& trace);

  // The value of the family `selector` picks (any byte picks one).
  TVariant Make(uint8_t selector);

 private:
  enum class TFamily : uint8_t;

  TVariant Make(TFamily family, int depth, bool byReference);
  TVariant String();
  TVariant ByteArray();
  TVariant Font(VARTYPE kind);
  TVariant Hostile(VARTYPE kind, int depth);
  TVariant ByReference(int depth);

  TByteReader& FIn;
  TInputResources& FResources;
  TAnswerTrace& FTrace;
};

}  // namespace zarnel::fuzz
