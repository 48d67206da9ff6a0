#include "common/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <thread>
#include <utility>
#include <vector>

#include "support/statistics.h"

#if __has_include(<Random123/philox.h>)
#include <Random123/philox.h>
#define NOISE_HAVE_RANDOM123 1
#endif

namespace noise {
namespace {

using testing::ChiSquareBound;
using testing::ChiSquareUniform;
using testing::Correlation;

// Known answers published with the generator.
TEST(Philox, MatchesKnownAnswers) {
  struct Case {
    PhiloxCounter counter;
    PhiloxKey key;
    PhiloxCounter expected;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, {0, 0}, {0x6627e8d5, 0xe169c58d, 0xbc57ac4c, 0x9b00dbd8}},
      {{0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff},
       {0xffffffff, 0xffffffff},
       {0x408f276d, 0x41c83b0e, 0xa20bc7c6, 0x6d5451fd}},
      {{0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344},
       {0xa4093822, 0x299f31d0},
       {0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}},
  };
  for (const auto& c : cases) EXPECT_EQ(Philox4x32(c.counter, c.key), c.expected);
}

#ifdef NOISE_HAVE_RANDOM123
TEST(Philox, AgreesWithReferenceImplementation) {
  r123::Philox4x32 reference;
  std::uint32_t x = 12345;
  for (int i = 0; i < 2000; ++i) {
    PhiloxCounter counter;
    PhiloxKey key;
    for (auto& word : counter) word = x = x * 1664525u + 1013904223u;
    for (auto& word : key) word = x = x * 1664525u + 1013904223u;
    const auto expected =
        reference({{counter[0], counter[1], counter[2], counter[3]}}, {{key[0], key[1]}});
    EXPECT_EQ(Philox4x32(counter, key),
              (PhiloxCounter{expected[0], expected[1], expected[2], expected[3]}));
  }
}
#endif

class GeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override { generator.Seed(0x0123456789abcdefull); }
  std::vector<std::uint8_t> Levels(std::uint64_t first, std::size_t count) {
    std::vector<std::uint8_t> out(count);
    generator.LevelsAt(first, out.data(), count);
    return out;
  }
  Generator generator;
};

TEST_F(GeneratorTest, ReservationsAreConsecutiveAndCounted) {
  EXPECT_EQ(generator.Reserve(10), 0u);
  EXPECT_EQ(generator.Reserve(5), 10u);
  EXPECT_EQ(generator.Taken(), 15u);
}

TEST_F(GeneratorTest, LevelsDoNotDependOnHowTheRunIsSplit) {
  // Starts just below a block index of 2^32, so the counter carries into its
  // second word inside the run.
  const std::uint64_t first = (std::uint64_t{1} << 32) * 16 - 37;
  const auto whole = Levels(first, 100);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    ASSERT_EQ(Levels(first + i, 1)[0], whole[i]) << i;
  }
  std::vector<std::uint8_t> pieces;
  for (std::size_t at = 0; at < whole.size(); at += 7) {
    const auto piece = Levels(first + at, std::min<std::size_t>(7, whole.size() - at));
    pieces.insert(pieces.end(), piece.begin(), piece.end());
  }
  EXPECT_EQ(pieces, whole);
}

TEST_F(GeneratorTest, LevelsAreTheLittleEndianBytesOfConsecutiveBlocks) {
  const auto levels = Levels(16 * ((std::uint64_t{1} << 32) - 1), 32);
  const PhiloxKey key{0x89abcdef, 0x01234567};
  const auto last_low = Philox4x32({0xffffffff, 0, 0, 0}, key);
  const auto first_high = Philox4x32({0, 1, 0, 0}, key);
  EXPECT_EQ(levels[0], last_low[0] & 0xff);
  EXPECT_EQ(levels[15], last_low[3] >> 24);
  EXPECT_EQ(levels[16], first_high[0] & 0xff);
  EXPECT_EQ(levels[21], (first_high[1] >> 8) & 0xff);
}

TEST_F(GeneratorTest, SeedsGiveDifferentStreams) {
  const auto before = Levels(0, 64);
  generator.Seed(0x0123456789abcdeeull);
  EXPECT_NE(Levels(0, 64), before);
}

TEST_F(GeneratorTest, LevelsAreUniformOverTheirRange) {
  const auto levels = Levels(0, 1 << 22);
  std::vector<std::uint64_t> counts(256);
  for (auto level : levels) ++counts[level];
  EXPECT_LT(ChiSquareUniform(counts), ChiSquareBound(255));
}

TEST_F(GeneratorTest, NeighbouringLevelsAreIndependent) {
  const std::size_t count = 1 << 23;
  const auto levels = Levels(0, count);
  // Pairs (even, odd) over all 65536 cells, and plain correlation of neighbours.
  std::vector<std::uint64_t> pairs(65536);
  for (std::size_t i = 0; i + 1 < count; i += 2) ++pairs[levels[i] * 256u + levels[i + 1]];
  EXPECT_LT(ChiSquareUniform(pairs), ChiSquareBound(65535));
  EXPECT_LT(std::abs(Correlation(levels.data(), levels.data() + 1, count - 1)), 5.0 / 2896.0);
}

TEST_F(GeneratorTest, ConsecutiveFramesAreUncorrelated) {
  const std::size_t frame = 1366 * 768;
  const auto levels = Levels(frame * 7, 2 * frame);
  EXPECT_LT(std::abs(Correlation(levels.data(), levels.data() + frame, frame)), 5.0 / 1024.0);
}

TEST_F(GeneratorTest, RealsLieInTheUnitIntervalWithTheRightMean) {
  double sum = 0;
  const int count = 1 << 20;
  for (int i = 0; i < count; ++i) {
    const double u = generator.DrawReal();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    sum += u;
  }
  // The mean of n uniform reals has a standard deviation of 1 / sqrt(12 n).
  EXPECT_NEAR(sum / count, 0.5, 5.0 / std::sqrt(12.0 * count));
}

TEST_F(GeneratorTest, ThreadsDrawingAtOnceNeverShareADraw) {
  constexpr int kThreads = 6;
  constexpr int kRuns = 2000;
  std::vector<std::vector<std::pair<std::uint64_t, std::uint64_t>>> runs(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      std::uint8_t levels[64];
      for (int i = 0; i < kRuns; ++i) {
        const std::uint64_t size = 1 + static_cast<std::uint64_t>((i * 7 + t) % 64);
        const std::uint64_t first = generator.Reserve(size);
        generator.LevelsAt(first, levels, size);
        runs[t].emplace_back(first, size);
      }
    });
  }
  for (auto& thread : threads) thread.join();

  std::vector<std::pair<std::uint64_t, std::uint64_t>> all;
  for (const auto& some : runs) all.insert(all.end(), some.begin(), some.end());
  std::sort(all.begin(), all.end());
  std::uint64_t next = 0;
  for (const auto& [first, size] : all) {
    ASSERT_EQ(first, next);
    next += size;
  }
  EXPECT_EQ(next, generator.Taken());
}

TEST(SeedFromClock, DiffersBetweenReadings) {
  const auto first = SeedFromClock();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_NE(SeedFromClock(), first);
}

}  // namespace
}  // namespace noise
