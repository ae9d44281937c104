// Ranked horizontal bars from zero with 95 % interval whiskers: stat weights
// and paired differences of outcome rates.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/palette.h"

namespace {

constexpr double kFont = 12;
constexpr double kRow = 26;
constexpr double kBar = 16;
constexpr double kMaxLabel = 200;

}  // namespace

std::string drawIntervalChart(const IntervalChart& chart) {
  double labelWidth = 0;
  double low = 0, high = 0;
  for (const IntervalBar& bar : chart.bars) {
    labelWidth = std::max(labelWidth, std::min(kMaxLabel, textWidth(bar.label, kFont)));
    for (double value : {bar.value, bar.low, bar.high}) {
      if (!std::isfinite(value)) continue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
  }
  Axis axis = niceAxis(low, high, 6, chart.format);
  std::vector<LegendEntry> legend = {{chart.positiveLabel, kBlue, false, false},
                                     {chart.negativeLabel, kVermillion, false, false},
                                     {"pale: the 95% interval includes zero", "#c8c8c8", false, false}};
  double top = headerHeight(chart.subtitle);
  double legendHeight = 0;
  std::string legendSvg = legendRows(legend, 0, top + 14, kChartWidth, legendHeight);
  PlotArea plot{labelWidth + 14, top + 6 + legendHeight, 0, chart.bars.size() * kRow};
  plot.width = kChartWidth - plot.left - 84;
  double height = plot.top + plot.height + 46;

  std::string out = svgOpen(kChartWidth, height, "intervals", chart.title, chart.subtitle) + legendSvg;
  out += bottomAxis(axis, plot, chart.axisTitle);
  auto at = [&](double value) { return axisPosition(axis, value, plot.left, plot.left + plot.width); };
  double zero = at(0.0);
  double y = plot.top;
  for (const IntervalBar& bar : chart.bars) {
    double middle = y + kRow / 2;
    out += svgText(plot.left - 8, middle + 4, fitText(bar.label, kMaxLabel, kFont), "label", "end");
    bool clear = bar.low > 0 || bar.high < 0;
    std::string colour = bar.value < 0 ? kVermillion : kBlue;
    std::string opacity = clear ? "fill-opacity=\"0.9\"" : "fill-opacity=\"0.35\"";
    double end = at(bar.value);
    out += svgRect(std::min(zero, end), middle - kBar / 2, std::fabs(end - zero), kBar, colour, bar.tip,
                   opacity);
    double lowX = at(bar.low), highX = at(bar.high);
    out += "<g class=\"whisker\"><title>" + escapeHtml(bar.tip) + "</title>" + "<line x1=\"" + px(lowX) +
           "\" y1=\"" + px(middle) + "\" x2=\"" + px(highX) + "\" y2=\"" + px(middle) + "\"/><line x1=\"" +
           px(lowX) + "\" y1=\"" + px(middle - 5) + "\" x2=\"" + px(lowX) + "\" y2=\"" + px(middle + 5) +
           "\"/><line x1=\"" + px(highX) + "\" y1=\"" + px(middle - 5) + "\" x2=\"" + px(highX) + "\" y2=\"" +
           px(middle + 5) + "\"/></g>\n";
    out += svgText(plot.left + plot.width + 8, middle + 4,
                   formatValue(bar.value, chart.format, chart.decimals), "value");
    y += kRow;
  }
  return out + svgClose();
}
