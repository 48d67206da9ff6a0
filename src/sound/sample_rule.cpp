#include "sound/sample_rule.h"

namespace noise {

std::int64_t RoundHalfUp(long double x) {
  const auto whole = static_cast<std::int64_t>(x);
  const long double fraction = x - static_cast<long double>(whole);
  const auto first_digit = static_cast<std::int64_t>(fraction * 10.0L);
  return first_digit > 4 ? whole + 1 : whole;
}

std::uint16_t SampleFromDraw(double u) {
  return static_cast<std::uint16_t>(RoundHalfUp(static_cast<long double>(u) * 600.0L));
}

void FillSamples(std::span<std::uint16_t> samples, Generator& generator) {
  // One reservation per buffer; sample i is the draw at first + i.
  const std::uint64_t first = generator.Reserve(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = SampleFromDraw(generator.RealAt(first + i));
  }
}

}  // namespace noise
