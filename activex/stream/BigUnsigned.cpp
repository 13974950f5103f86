#include "BigUnsigned.h"

#include <bit>

namespace zarnel::stream {

namespace {

constexpr std::uint32_t LargestPowerOfTen = 1'000'000'000;
constexpr unsigned DigitsInLargestPowerOfTen = 9;

}  // namespace

TBigUnsigned::TBigUnsigned(std::uint64_t value) {
  for (; value != 0; value >>= 32) FLimbs.push_back(static_cast<std::uint32_t>(value));
}

unsigned TBigUnsigned::BitLength() const noexcept {
  if (FLimbs.empty()) return 0;
  return static_cast<unsigned>(32 * (FLimbs.size() - 1)) + static_cast<unsigned>(std::bit_width(FLimbs.back()));
}

TBigUnsigned& TBigUnsigned::Add(const TBigUnsigned& other) {
  if (FLimbs.size() < other.FLimbs.size()) FLimbs.resize(other.FLimbs.size());
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < FLimbs.size(); ++i) {
    const std::uint64_t sum = std::uint64_t{FLimbs[i]} + (i < other.FLimbs.size() ? other.FLimbs[i] : 0) + carry;
    FLimbs[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  if (carry != 0) FLimbs.push_back(static_cast<std::uint32_t>(carry));
  return *this;
}

TBigUnsigned& TBigUnsigned::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : FLimbs) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) FLimbs.push_back(static_cast<std::uint32_t>(carry));
  Trim();
  return *this;
}

TBigUnsigned& TBigUnsigned::MultiplyByPowerOfTen(std::uint64_t exponent) {
  for (; exponent >= DigitsInLargestPowerOfTen; exponent -= DigitsInLargestPowerOfTen) MultiplyAdd(LargestPowerOfTen);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= 10;
  return MultiplyAdd(rest);
}

TBigUnsigned& TBigUnsigned::ShiftLeft(std::uint64_t bits) {
  if (FLimbs.empty()) return *this;
  const unsigned bitShift = bits % 32;
  FLimbs.insert(FLimbs.begin(), static_cast<std::size_t>(bits / 32), 0);
  if (bitShift == 0) return *this;
  std::uint32_t carry = 0;
  for (std::uint32_t& limb : FLimbs) {
    const std::uint32_t next = limb >> (32 - bitShift);
    limb = (limb << bitShift) | carry;
    carry = next;
  }
  if (carry != 0) FLimbs.push_back(carry);
  return *this;
}

std::uint64_t TBigUnsigned::TakeQuotient(const TBigUnsigned& divisor, unsigned quotientBits) {
  TBigUnsigned shifted = divisor;
  shifted.ShiftLeft(quotientBits - 1);
  std::uint64_t quotient = 0;
  for (unsigned bit = quotientBits; bit-- > 0;) {
    if (Compare(*this, shifted) >= 0) {
      Subtract(shifted);
      quotient |= std::uint64_t{1} << bit;
    }
    shifted.ShiftRightOne();
  }
  return quotient;
}

int Compare(const TBigUnsigned& a, const TBigUnsigned& b) noexcept {
  if (a.FLimbs.size() != b.FLimbs.size()) return a.FLimbs.size() < b.FLimbs.size() ? -1 : 1;
  for (std::size_t i = a.FLimbs.size(); i-- > 0;) {
    if (a.FLimbs[i] != b.FLimbs[i]) return a.FLimbs[i] < b.FLimbs[i] ? -1 : 1;
  }
  return 0;
}

void TBigUnsigned::ShiftRightOne() noexcept {
  std::uint32_t carry = 0;
  for (std::size_t i = FLimbs.size(); i-- > 0;) {
    const std::uint32_t next = FLimbs[i] << 31;
    FLimbs[i] = (FLimbs[i] >> 1) | carry;
    carry = next;
  }
  Trim();
}

void TBigUnsigned::Subtract(const TBigUnsigned& other) noexcept {
  std::uint32_t borrow = 0;
  for (std::size_t i = 0; i < FLimbs.size(); ++i) {
    const std::uint64_t subtrahend = std::uint64_t{i < other.FLimbs.size() ? other.FLimbs[i] : 0} + borrow;
    borrow = FLimbs[i] < subtrahend ? 1 : 0;
    FLimbs[i] = static_cast<std::uint32_t>(FLimbs[i] - subtrahend);
  }
  Trim();
}

void TBigUnsigned::Trim() noexcept {
  while (!FLimbs.empty() && FLimbs.back() == 0) FLimbs.pop_back();
}

}  // namespace zarnel::stream
