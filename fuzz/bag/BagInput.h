#pragma once
// A fuzz input decoded into a hostile property bag.
//
// The first byte holds options (bit 0: the load gets an error log). Then entries follow until the
// input ends, at most MaxEntries:
//   name byte: the top three bits choose how the name is made, the low five bits which persisted
//     property it starts from (modulo their number): 0-4 its exact name, 5 its name with the case
//     of one letter (next byte below 0x80: which) or of all letters changed, 6 its name cut short
//     (next byte: how many units stay, modulo its length), 7 an unknown name of the low five bits'
//     length, one byte per unit, taken from the input;
//   answer byte: 0xF0-0xF4 E_INVALIDARG, 0xF5-0xF9 E_FAIL, 0xFA-0xFD S_FALSE, 0xFE-0xFF E_ABORT,
//     instead of a value; below 0xF0 it chooses the value's family, and the value's bytes follow
//     (see HostileValues).
#include <cstdint>
#include <span>
#include <vector>

#include "InputResources.h"
#include "PropertyBag.h"
#include "PropertyList.h"

namespace zarnel::fuzz {

inline constexpr int MaxEntries = 64;

struct TBagInput {
  TInputResources Resources;
  // Goes before the resources its values point into.
  Microsoft::WRL::ComPtr<TFuzzPropertyBag> Bag = MakeObject<TFuzzPropertyBag>();
  bool WithErrorLog = false;
};

// Decodes data; the hostile objects it makes note their E_ABORT answers in trace.
// Fills input, which must be fresh: its resources hold what the bag's values point into.
void DecodeBagInput(std::span<const uint8_t> data, const std::vector<TPersistedProperty>& properties,
                    TAnswerTrace& trace, TBagInput& input);

}  // namespace zarnel::fuzz
