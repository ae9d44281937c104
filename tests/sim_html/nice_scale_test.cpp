#include "tools/sim_html/nice_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/sim_html/svg_parts.h"

namespace {

TEST(NiceScale, CoversTheDataWithRoundSteps) {
  struct Case {
    double low, high;
    int ticks;
    double wantLow, wantHigh, wantStep;
  } cases[] = {
      {0, 0.97, 5, 0, 1, 0.2},        // a rate
      {0, 0.1389, 5, 0, 0.15, 0.05},  // small rates
      {0, 52, 5, 0, 60, 20},          // damage per battle
      {0, 175, 5, 0, 200, 50},
      {0, 2.1, 5, 0, 2.5, 0.5},
      {150, 400, 8, 150, 400, 50},              // a sweep's values
      {-0.0056, 0.0363, 6, -0.01, 0.04, 0.01},  // differences around zero
      {0, 100, 5, 0, 100, 20},                  // ends that are ticks stay
      {0, 11610.0 / 100000, 4, 0, 0.15, 0.05},
      {0, 0.1, 4, 0, 0.1, 0.025},
  };
  for (const Case& c : cases) {
    AxisScale scale = niceScale(c.low, c.high, c.ticks);
    EXPECT_NEAR(scale.low, c.wantLow, 1e-12) << c.low << ".." << c.high;
    EXPECT_NEAR(scale.high, c.wantHigh, 1e-12) << c.low << ".." << c.high;
    EXPECT_NEAR(scale.step, c.wantStep, 1e-12) << c.low << ".." << c.high;
  }
}

TEST(NiceScale, WidensEmptyAndRejectsBrokenRanges) {
  AxisScale zero = niceScale(0, 0, 5);
  EXPECT_EQ(zero.low, 0);
  EXPECT_GT(zero.high, 0);
  AxisScale same = niceScale(22.5, 22.5, 5);
  EXPECT_LT(same.low, 22.5);
  EXPECT_GT(same.high, 22.5);
  AxisScale broken = niceScale(NAN, INFINITY, 5);
  EXPECT_EQ(broken.low, 0);
  EXPECT_EQ(broken.high, 1);
  AxisScale reversed = niceScale(10, 0, 5);
  EXPECT_EQ(reversed.low, 0);
  EXPECT_EQ(reversed.high, 10);
}

// Ticks print as the round numbers they are, without floating-point noise.
TEST(NiceScale, TicksPrintExactly) {
  Axis rates = niceAxis(0, 0.3, 3, ValueFormat::kPercent);
  std::vector<std::string> printed;
  for (double tick : rates.ticks) printed.push_back(formatValue(tick, rates.format, rates.decimals));
  EXPECT_EQ(printed, (std::vector<std::string>{"0%", "10%", "20%", "30%"}));

  Axis fine = niceAxis(0, 0.1, 4, ValueFormat::kPercent);
  printed.clear();
  for (double tick : fine.ticks) printed.push_back(formatValue(tick, fine.format, fine.decimals));
  EXPECT_EQ(printed, (std::vector<std::string>{"0.0%", "2.5%", "5.0%", "7.5%", "10.0%"}));

  Axis points = niceAxis(-0.0056, 0.0363, 6, ValueFormat::kPoints);
  printed.clear();
  for (double tick : points.ticks) printed.push_back(formatValue(tick, points.format, points.decimals));
  EXPECT_EQ(printed, (std::vector<std::string>{"−1 pp", "0 pp", "+1 pp", "+2 pp", "+3 pp", "+4 pp"}));

  EXPECT_EQ(tickDecimals(0.025), 3);
  EXPECT_EQ(tickDecimals(2.5), 1);
  EXPECT_EQ(tickDecimals(50), 0);
}

}  // namespace
