#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace noise {

using PhiloxCounter = std::array<std::uint32_t, 4>;
using PhiloxKey = std::array<std::uint32_t, 2>;

// Philox4x32-10 of Salmon, Moraes, Dror and Shaw (SC'11): a keyed bijection of
// 128-bit counters whose outputs pass BigCrush.
PhiloxCounter Philox4x32(PhiloxCounter counter, PhiloxKey key);

// The program's one generator, shared by every thread.
//
// Each draw has its own position in the stream. A caller takes a run of fresh
// positions with a single atomic add and computes the draws itself, so threads
// never lock and never contend per draw; only uniformity is promised, not which
// thread gets which part of the stream.
class Generator {
 public:
  // Called once, before any other thread draws.
  void Seed(std::uint64_t seed);

  // The first of `count` positions that nobody else will be given.
  std::uint64_t Reserve(std::uint64_t count) {
    return next_.fetch_add(count, std::memory_order_relaxed);
  }
  // How many draws have been handed out so far.
  std::uint64_t Taken() const { return next_.load(std::memory_order_relaxed); }

  // Grey levels 0..255 at positions first, first + 1, ...
  void LevelsAt(std::uint64_t first, std::uint8_t* out, std::size_t count) const;
  // A real in [0, 1) with 53 random bits, for the draw at `position`.
  double RealAt(std::uint64_t position) const;

  double DrawReal() { return RealAt(Reserve(1)); }

 private:
  // Levels and reals come from disjoint halves of the counter space.
  static constexpr std::uint32_t kLevelStream = 0;
  static constexpr std::uint32_t kRealStream = 1;

  PhiloxKey key_{};
  std::atomic<std::uint64_t> next_{0};
};

Generator& TheGenerator();

// A seed that differs from run to run, taken from the clocks.
std::uint64_t SeedFromClock();

}  // namespace noise
