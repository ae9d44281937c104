#include "sim_statistics.h"

#include <algorithm>
#include <cmath>

double rateOf(std::int64_t count, std::int64_t n) {
  return n > 0 ? static_cast<double>(count) / static_cast<double>(n) : 0.0;
}

Interval wilsonInterval(std::int64_t count, std::int64_t n) {
  if (n <= 0) return {0.0, 1.0};
  const double nn = static_cast<double>(n);
  const double p = static_cast<double>(count) / nn;
  const double z2 = kZ95 * kZ95;
  const double denominator = 1.0 + z2 / nn;
  const double centre = (p + z2 / (2.0 * nn)) / denominator;
  const double half = kZ95 * std::sqrt(p * (1.0 - p) / nn + z2 / (4.0 * nn * nn)) / denominator;
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

double pairedDifference(std::int64_t aOnly, std::int64_t bOnly, std::int64_t n) {
  return n > 0 ? static_cast<double>(bOnly - aOnly) / static_cast<double>(n) : 0.0;
}

Interval pairedInterval(std::int64_t aOnly, std::int64_t bOnly, std::int64_t n) {
  const double mean = pairedDifference(aOnly, bOnly, n);
  if (n < 2 || aOnly + bOnly == 0) return {mean, mean};
  const double nn = static_cast<double>(n);
  // Each differing battle contributes 1 to the sum of squares.
  const double squares = static_cast<double>(aOnly + bOnly);
  const double variance = std::max(0.0, (squares - nn * mean * mean) / (nn - 1.0));
  const double half = kZ95 * std::sqrt(variance / nn);
  return {mean - half, mean + half};
}

std::int64_t histogramRank(const std::vector<std::int64_t>& histogram, double p) {
  std::int64_t total = 0;
  for (std::int64_t c : histogram) total += c;
  if (total == 0) return 0;
  auto rank = static_cast<std::int64_t>(std::ceil(p * static_cast<double>(total)));
  rank = std::clamp<std::int64_t>(rank, 1, total);
  std::int64_t seen = 0;
  for (std::size_t v = 0; v < histogram.size(); ++v) {
    seen += histogram[v];
    if (seen >= rank) return static_cast<std::int64_t>(v);
  }
  return static_cast<std::int64_t>(histogram.size()) - 1;
}

double histogramMean(const std::vector<std::int64_t>& histogram) {
  std::int64_t total = 0;
  double sum = 0;
  for (std::size_t v = 0; v < histogram.size(); ++v) {
    total += histogram[v];
    sum += static_cast<double>(v) * static_cast<double>(histogram[v]);
  }
  return total > 0 ? sum / static_cast<double>(total) : 0.0;
}
