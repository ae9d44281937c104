// Horizontal grouped bars: damage by combatant, figures by skill.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/palette.h"

namespace {

constexpr double kFont = 12;
constexpr double kBar = 15;
constexpr double kBarGap = 2;
constexpr double kGroupGap = 10;
constexpr double kMaxLabel = 210;

}  // namespace

std::string drawBarChart(const BarChart& chart) {
  std::size_t seriesCount = std::max<std::size_t>(1, chart.series.size());
  double labelWidth = 0;
  double low = 0, high = 0;
  for (const BarGroup& group : chart.groups) {
    labelWidth = std::max(labelWidth, std::min(kMaxLabel, textWidth(group.label, kFont)));
    for (double value : group.values) {
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }
  Axis axis = niceAxis(low, high, 5, chart.format);
  double top = headerHeight(chart.subtitle);
  double legendHeight = 0;
  std::string legend;
  if (chart.series.size() > 1) legend = legendRows(chart.series, 0, top + 14, kChartWidth, legendHeight);
  double groupHeight = seriesCount * kBar + (seriesCount - 1) * kBarGap;
  PlotArea plot{labelWidth + 14, top + 2 + legendHeight, 0, chart.groups.size() * (groupHeight + kGroupGap)};
  plot.width = kChartWidth - plot.left - 72;
  double height = plot.top + plot.height + 44;

  std::string out = svgOpen(kChartWidth, height, "bars", chart.title, chart.subtitle) + legend;
  out += bottomAxis(axis, plot, chart.axisTitle);
  double zero = axisPosition(axis, 0.0, plot.left, plot.left + plot.width);
  double y = plot.top + kGroupGap / 2;
  for (const BarGroup& group : chart.groups) {
    out += svgText(plot.left - 8, y + groupHeight / 2 + 4, fitText(group.label, kMaxLabel, kFont), "label",
                   "end");
    for (std::size_t s = 0; s < group.values.size() && s < seriesCount; ++s) {
      double value = group.values[s];
      double end = axisPosition(axis, value, plot.left, plot.left + plot.width);
      std::string colour = s < chart.series.size() ? chart.series[s].colour : kSeriesColours[0];
      std::string tip = s < group.tips.size() ? group.tips[s] : group.label;
      out += svgRect(std::min(zero, end), y, std::fabs(end - zero), kBar, colour, tip);
      bool negative = value < 0;
      out += svgText(negative ? end - 4 : end + 4, y + kBar - 3.5,
                     formatValue(value, chart.format, chart.decimals), "value", negative ? "end" : "start");
      y += kBar + kBarGap;
    }
    y += kGroupGap - kBarGap;
  }
  return out + svgClose();
}
