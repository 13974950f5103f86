#pragma once

// Position arithmetic of the progress bar. Every result is formed with integer
// arithmetic and rounded exactly once, so it is bit-identical on every compiler
// and floating-point unit (x87 extended, SSE2, MSVC) the control is built for.

#include <cstdint>
#include <vector>

namespace zarnel {

// 1 / range rounded to single precision, ties to even. A range of 0 gives +infinity.
float RangeReciprocal(uint32_t range);

// (n - min) * reciprocal rounded once to single precision, ties to even.
// n - min is taken as an unsigned 32-bit difference, so ranges wider than
// INT32_MAX still give a fraction between 0 and 1. The reciprocal is meant to be
// one RangeReciprocal returned; infinities and NaN propagate as in IEEE arithmetic.
float FractionOf(int32_t n, int32_t min, float reciprocal);

// k * f rounded to the nearest integer, ties to even, from the exact product.
// Results beyond the 32-bit range saturate; NaN gives 0.
int32_t RoundProduct(int32_t k, float f);

// Split columns 0..clientWidth snapped down to multiples of step, every non-zero
// multiple shifted by offset (16-bit arithmetic); the last entry is the client
// width so a full bar stays exact. A negative width counts as 0. Steps below 2
// quantise nothing and give an empty table.
std::vector<int16_t> BuildStepTable(int32_t clientWidth, uint8_t step, uint8_t offset);

}  // namespace zarnel
