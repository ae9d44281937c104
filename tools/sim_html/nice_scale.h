// Axis scales whose ticks are round numbers.
#pragma once

#include <vector>

// Ticks from `low` to `high` in steps of `step` (both ends are ticks).
struct AxisScale {
  double low;
  double high;
  double step;
};

// The scale of round ticks (steps of 1, 2, 2.5 or 5 times a power of ten)
// that covers `low` to `high` in about `ticks` steps. An empty range is
// widened around its value; values that are not finite give 0 to 1.
AxisScale niceScale(double low, double high, int ticks);

// The tick values of the scale, each rounded to the step's digits.
std::vector<double> scaleTicks(const AxisScale& scale);

// How many decimals print every multiple of `step` exactly (0 to 6).
int tickDecimals(double step);
