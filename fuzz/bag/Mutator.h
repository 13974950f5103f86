#pragma once
// The driver's mutations of an input: bit flips, byte inserts, erasures and replacements, chunks
// spliced in from other corpus entries, and dictionary tokens, one to four of them stacked.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace zarnel::fuzz {

using TBytes = std::vector<uint8_t>;

class TMutator {
 public:
  TMutator(uint64_t seed, std::vector<TBytes> dictionary, size_t maxLen);

  // A mutant of base; corpus gives the chunks spliced in.
  TBytes Mutate(const TBytes& base, const std::vector<TBytes>& corpus);
  // A number below n (n > 0).
  size_t Below(size_t n);

 private:
  void MutateOnce(TBytes& data, const std::vector<TBytes>& corpus);
  void InsertBytes(TBytes& data, const uint8_t* bytes, size_t count);
  uint8_t InterestingByte();

  std::mt19937_64 FRandom;
  std::vector<TBytes> FDictionary;
  size_t FMaxLen;
};

// Tokens for the mutations: the persisted property names as bytes and as whole name fields of an
// entry (see BagInput.h), and interesting integers in every width.
std::vector<TBytes> BuildDictionary(const std::vector<std::wstring>& names);

}  // namespace zarnel::fuzz
