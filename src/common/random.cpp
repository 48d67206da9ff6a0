#include "common/random.h"

#include <chrono>
#include <cstring>

namespace noise {
namespace {

constexpr std::uint32_t kMultiplier0 = 0xD2511F53;
constexpr std::uint32_t kMultiplier1 = 0xCD9E8D57;
constexpr std::uint32_t kWeyl0 = 0x9E3779B9;
constexpr std::uint32_t kWeyl1 = 0xBB67AE85;
constexpr std::size_t kBlockBytes = 16;

void MultiplyWide(std::uint32_t a, std::uint32_t b, std::uint32_t& high, std::uint32_t& low) {
  const std::uint64_t product = std::uint64_t{a} * b;
  high = static_cast<std::uint32_t>(product >> 32);
  low = static_cast<std::uint32_t>(product);
}

PhiloxCounter Block(std::uint64_t index, std::uint32_t stream, const PhiloxKey& key) {
  return Philox4x32(
      {static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(index >> 32), stream, 0}, key);
}

void StoreLittleEndian(const PhiloxCounter& block, std::uint8_t* out) {
  for (std::size_t word = 0; word < block.size(); ++word) {
    for (std::size_t byte = 0; byte < 4; ++byte) {
      out[word * 4 + byte] = static_cast<std::uint8_t>(block[word] >> (8 * byte));
    }
  }
}

std::uint64_t SplitMix64(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

PhiloxCounter Philox4x32(PhiloxCounter c, PhiloxKey k) {
  for (int round = 0; round < 10; ++round) {
    if (round > 0) {
      k[0] += kWeyl0;
      k[1] += kWeyl1;
    }
    std::uint32_t high0, low0, high1, low1;
    MultiplyWide(kMultiplier0, c[0], high0, low0);
    MultiplyWide(kMultiplier1, c[2], high1, low1);
    c = {high1 ^ c[1] ^ k[0], low1, high0 ^ c[3] ^ k[1], low0};
  }
  return c;
}

void Generator::Seed(std::uint64_t seed) {
  key_ = {static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
}

void Generator::LevelsAt(std::uint64_t first, std::uint8_t* out, std::size_t count) const {
  std::uint8_t bytes[kBlockBytes];
  std::uint64_t position = first;
  const std::uint64_t end = first + count;
  while (position < end) {
    const std::uint64_t index = position / kBlockBytes;
    const std::size_t offset = static_cast<std::size_t>(position % kBlockBytes);
    std::size_t take = kBlockBytes - offset;
    if (take > end - position) take = static_cast<std::size_t>(end - position);
    if (take == kBlockBytes) {
      StoreLittleEndian(Block(index, kLevelStream, key_), out);
    } else {
      StoreLittleEndian(Block(index, kLevelStream, key_), bytes);
      std::memcpy(out, bytes + offset, take);
    }
    out += take;
    position += take;
  }
}

double Generator::RealAt(std::uint64_t position) const {
  const PhiloxCounter block = Block(position, kRealStream, key_);
  const std::uint64_t bits = (std::uint64_t{block[1]} << 32) | block[0];
  return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

std::uint64_t SeedFromClock() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  return SplitMix64(static_cast<std::uint64_t>(wall) ^
                    SplitMix64(static_cast<std::uint64_t>(steady)));
}

}  // namespace noise
