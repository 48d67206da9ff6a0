#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace noise::testing {

// Pearson's statistic of observed counts against equal expected counts.
inline double ChiSquareUniform(const std::vector<std::uint64_t>& counts) {
  std::uint64_t total = 0;
  for (auto count : counts) total += count;
  const double expected = static_cast<double>(total) / static_cast<double>(counts.size());
  double statistic = 0;
  for (auto count : counts) {
    const double difference = static_cast<double>(count) - expected;
    statistic += difference * difference / expected;
  }
  return statistic;
}

// A bound that a chi-square with `degrees` degrees of freedom exceeds with
// probability of about one in a million (Wilson-Hilferty).
inline double ChiSquareBound(double degrees) {
  constexpr double z = 4.75;
  const double a = 2.0 / (9.0 * degrees);
  return degrees * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

// Pearson correlation of x[i] with y[i].
inline double Correlation(const std::uint8_t* x, const std::uint8_t* y, std::size_t n) {
  double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double a = x[i], b = y[i];
    sx += a;
    sy += b;
    sxx += a * a;
    syy += b * b;
    sxy += a * b;
  }
  const double count = static_cast<double>(n);
  const double covariance = sxy / count - (sx / count) * (sy / count);
  const double vx = sxx / count - (sx / count) * (sx / count);
  const double vy = syy / count - (sy / count) * (sy / count);
  return covariance / std::sqrt(vx * vy);
}

}  // namespace noise::testing
