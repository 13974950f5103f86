#include "Mutator.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace zarnel::fuzz {
namespace {

// Bytes with a meaning in the input format: failure answers, the name forms, the ends of a byte.
constexpr uint8_t InterestingBytes[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, 0xF0, 0xF5, 0xFA, 0xFE, 0xA0, 0xC0, 0xE0};

constexpr int64_t InterestingIntegers[] = {
    0, 1, -1, 2, 3, 4, 100, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 0xFFFFFFFFLL,
    std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};

// The unknown-name form of an entry's name byte, which the name's units follow (at most 31).
constexpr uint8_t RawNameForm = 0xE0;
constexpr size_t MaxRawName = 0x1F;

}  // namespace

TMutator::TMutator(uint64_t seed, std::vector<TBytes> dictionary, size_t maxLen)
    : FRandom(seed), FDictionary(std::move(dictionary)), FMaxLen(maxLen) {}

size_t TMutator::Below(size_t n) { return static_cast<size_t>(FRandom() % n); }

uint8_t TMutator::InterestingByte() {
  return Below(2) ? InterestingBytes[Below(std::size(InterestingBytes))] : static_cast<uint8_t>(FRandom());
}

TBytes TMutator::Mutate(const TBytes& base, const std::vector<TBytes>& corpus) {
  TBytes data = base;
  const size_t count = 1 + Below(4);
  for (size_t i = 0; i < count; ++i) MutateOnce(data, corpus);
  if (data.size() > FMaxLen) data.resize(FMaxLen);
  return data;
}

void TMutator::InsertBytes(TBytes& data, const uint8_t* bytes, size_t count) {
  const size_t at = Below(data.size() + 1);
  data.insert(data.begin() + static_cast<ptrdiff_t>(at), bytes, bytes + count);
}

void TMutator::MutateOnce(TBytes& data, const std::vector<TBytes>& corpus) {
  switch (Below(8)) {
    case 0:  // flip a bit
      if (!data.empty()) data[Below(data.size())] ^= static_cast<uint8_t>(1u << Below(8));
      return;
    case 1:  // replace a byte
      if (!data.empty()) data[Below(data.size())] = InterestingByte();
      return;
    case 2: {  // insert a byte
      const uint8_t byte = InterestingByte();
      InsertBytes(data, &byte, 1);
      return;
    }
    case 3: {  // erase up to eight bytes
      if (data.empty()) return;
      const size_t at = Below(data.size());
      const size_t count = 1 + Below(std::min<size_t>(8, data.size() - at));
      data.erase(data.begin() + static_cast<ptrdiff_t>(at), data.begin() + static_cast<ptrdiff_t>(at + count));
      return;
    }
    case 4: {  // cross over: a head of this input, a tail of another
      const TBytes& other = corpus[Below(corpus.size())];
      data.resize(Below(data.size() + 1));
      const size_t from = Below(other.size() + 1);
      data.insert(data.end(), other.begin() + static_cast<ptrdiff_t>(from), other.end());
      return;
    }
    case 5: {  // insert a chunk of another input (or of this one)
      const TBytes other = Below(4) ? corpus[Below(corpus.size())] : data;
      if (other.empty()) return;
      const size_t from = Below(other.size());
      InsertBytes(data, other.data() + from, 1 + Below(std::min<size_t>(64, other.size() - from)));
      return;
    }
    case 6: {  // insert a token
      const TBytes& token = FDictionary[Below(FDictionary.size())];
      InsertBytes(data, token.data(), token.size());
      return;
    }
    default: {  // overwrite with a token
      const TBytes& token = FDictionary[Below(FDictionary.size())];
      if (data.size() < token.size()) return;
      std::copy(token.begin(), token.end(), data.begin() + static_cast<ptrdiff_t>(Below(data.size() - token.size() + 1)));
      return;
    }
  }
}

std::vector<TBytes> BuildDictionary(const std::vector<std::wstring>& names) {
  std::vector<TBytes> dictionary;
  for (const std::wstring& name : names) {
    TBytes units(name.begin(), name.end());  // the names are ASCII
    dictionary.push_back(units);
    if (units.size() > MaxRawName) continue;
    units.insert(units.begin(), static_cast<uint8_t>(RawNameForm | units.size()));
    dictionary.push_back(std::move(units));
  }
  for (const int64_t value : InterestingIntegers) {
    for (const size_t width : {1u, 2u, 4u, 8u}) {
      TBytes bytes(width);
      std::memcpy(bytes.data(), &value, width);  // little-endian: the low bytes
      dictionary.push_back(std::move(bytes));
    }
  }
  return dictionary;
}

}  // namespace zarnel::fuzz
