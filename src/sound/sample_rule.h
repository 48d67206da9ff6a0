#pragma once

#include <cstdint>
#include <span>

#include "common/random.h"

namespace noise {

// Rounds half up on the first decimal digit: 2.45 gives 2, 2.5 gives 3. For the
// non-negative inputs that occur this is floor(x + 0.5).
std::int64_t RoundHalfUp(long double x);

// The sample for a uniform draw u in [0, 1): a value in 0..600.
std::uint16_t SampleFromDraw(double u);

// Refills every element, from the first upward, with a fresh sample.
void FillSamples(std::span<std::uint16_t> samples, Generator& generator);

}  // namespace noise
