#include "tools/sim_html/nice_scale.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double niceStep(double rough) {
  double power = std::pow(10.0, std::floor(std::log10(rough)));
  double fraction = rough / power;
  double nice = fraction <= 1.0   ? 1.0
                : fraction <= 2.0 ? 2.0
                : fraction <= 2.5 ? 2.5
                : fraction <= 5.0 ? 5.0
                                  : 10.0;
  return nice * power;
}

}  // namespace

AxisScale niceScale(double low, double high, int ticks) {
  if (!std::isfinite(low) || !std::isfinite(high)) return {0.0, 1.0, 0.2};
  if (low > high) std::swap(low, high);
  if (high - low < 1e-12 * std::max(1.0, std::fabs(high))) {
    double pad = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
    if (low >= 0.0 && low - pad < 0.0) {
      high = low + pad;
      low = low == 0.0 ? 0.0 : low - pad;
      if (low < 0.0) low = 0.0;
    } else {
      low -= pad;
      high += pad;
    }
  }
  double step = niceStep((high - low) / std::max(1, ticks));
  // Rounding the ends outward by a hair keeps a value that is a tick from
  // growing the scale by a whole step through floating-point noise.
  double first = std::floor(low / step + 1e-9) * step;
  double last = std::ceil(high / step - 1e-9) * step;
  return {first, last, step};
}

std::vector<double> scaleTicks(const AxisScale& scale) {
  std::vector<double> ticks;
  if (!(scale.step > 0.0)) return ticks;
  int count = static_cast<int>(std::llround((scale.high - scale.low) / scale.step));
  double unit = std::pow(10.0, tickDecimals(scale.step));
  for (int i = 0; i <= count && i <= 1000; ++i) {
    double value = std::round((scale.low + i * scale.step) * unit) / unit;
    ticks.push_back(value == 0.0 ? 0.0 : value);
  }
  return ticks;
}

int tickDecimals(double step) {
  for (int decimals = 0; decimals < 6; ++decimals) {
    double scaled = std::fabs(step) * std::pow(10.0, decimals);
    if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) return decimals;
  }
  return 6;
}
