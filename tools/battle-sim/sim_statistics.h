// The statistics of the simulator's reports: 95 % intervals for rates and
// for paired differences, and ranks of a histogram.
#pragma once

#include <cstdint>
#include <vector>

struct Interval {
  double low = 0;
  double high = 0;
};

// z of a two-sided 95 % interval.
inline constexpr double kZ95 = 1.959963984540054;

// `count` of `n` as a rate; 0 when n is 0.
double rateOf(std::int64_t count, std::int64_t n);

// The Wilson score interval of count/n: it stays inside 0..1 and is sound for
// rare outcomes, where the normal interval collapses to a point. [0, 1] for
// n = 0.
Interval wilsonInterval(std::int64_t count, std::int64_t n);

// The difference b − a of two rates measured on the same n battles, from the
// battles where only a (aOnly) or only b (bOnly) had the outcome: each battle
// contributes −1, 0 or +1, and the interval is the normal interval of their
// mean. [0, 0] when no battle differs.
double pairedDifference(std::int64_t aOnly, std::int64_t bOnly, std::int64_t n);
Interval pairedInterval(std::int64_t aOnly, std::int64_t bOnly, std::int64_t n);

// The smallest value whose cumulative count reaches the rank ceil(p × total)
// (at least 1) in a histogram indexed by value; 0 for an empty histogram.
std::int64_t histogramRank(const std::vector<std::int64_t>& histogram, double p);

// Mean of a histogram indexed by value; 0 when empty.
double histogramMean(const std::vector<std::int64_t>& histogram);
