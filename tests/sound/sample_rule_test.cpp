#include "sound/sample_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/statistics.h"

namespace noise {
namespace {

TEST(RoundHalfUp, RoundsOnTheFirstDecimalDigit) {
  struct Case {
    long double x;
    std::int64_t expected;
  };
  for (const auto& [x, expected] :
       {Case{2.45L, 2}, Case{2.5L, 3}, Case{0.49L, 0}, Case{599.5L, 600}, Case{0.0L, 0},
        Case{599.99L, 600}, Case{0.5L, 1}, Case{3.0L, 3}}) {
    EXPECT_EQ(RoundHalfUp(x), expected) << static_cast<double>(x);
  }
}

TEST(RoundHalfUp, EqualsFloorOfXPlusHalfOverTheSampleRange) {
  Generator generator;
  generator.Seed(99);
  for (int i = 0; i < 1000000; ++i) {
    const long double x = static_cast<long double>(generator.DrawReal()) * 600.0L;
    ASSERT_EQ(RoundHalfUp(x), static_cast<std::int64_t>(std::floor(x + 0.5L)))
        << static_cast<double>(x);
  }
}

TEST(SampleFromDraw, CoversZeroToSixHundred) {
  EXPECT_EQ(SampleFromDraw(0.0), 0);
  EXPECT_EQ(SampleFromDraw(std::nextafter(1.0, 0.0)), 600);
  EXPECT_EQ(SampleFromDraw(0.5), 300);
}

TEST(FillSamples, AreUniformWithTheEndsAtHalfWeight) {
  Generator generator;
  generator.Seed(5);
  std::vector<std::uint16_t> samples(6400);
  std::vector<std::uint64_t> counts(601);
  const int buffers = 1000;
  for (int b = 0; b < buffers; ++b) {
    const std::uint64_t before = generator.Taken();
    FillSamples(samples, generator);
    ASSERT_EQ(generator.Taken() - before, samples.size());
    for (auto sample : samples) {
      ASSERT_LE(sample, 600);
      ++counts[sample];
    }
  }
  // The ends share one cell of full weight; every other value has its own.
  std::vector<std::uint64_t> cells(counts.begin() + 1, counts.end() - 1);
  cells.push_back(counts.front() + counts.back());
  EXPECT_LT(testing::ChiSquareUniform(cells), testing::ChiSquareBound(599));
  const double inner = (6400.0 * buffers) / 600.0;
  for (auto end : {counts.front(), counts.back()}) {
    EXPECT_NEAR(static_cast<double>(end), inner / 2, 5 * std::sqrt(inner / 2));
  }
}

}  // namespace
}  // namespace noise
