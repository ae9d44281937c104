// The histogram of a whole-number figure with its mean, median and 90th
// percentile marked.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/palette.h"

namespace {

// Beyond this many values the bars would be thinner than a few pixels, so
// neighbouring values are counted together in bins of a round width.
constexpr std::size_t kMaxBars = 120;
// Values and counts outside these bounds are no counts of actions; they are
// left out rather than let them stretch the axis without end.
constexpr long long kMaxValue = 1'000'000'000'000;

struct Bin {
  long long from, to, count;
};

std::vector<Bin> binsOf(const Histogram& chart) {
  std::vector<Bin> bins;
  std::vector<std::pair<long long, long long>> counts;
  for (const auto& [value, count] : chart.counts) {
    if (value >= 0 && value <= kMaxValue && count >= 0 && count <= kMaxValue)
      counts.push_back({value, count});
  }
  if (counts.empty()) return bins;
  long long first = counts.front().first;
  long long last = first;
  for (const auto& [value, count] : counts) {
    first = std::min(first, value);
    last = std::max(last, value);
  }
  long long width = 1;
  if (static_cast<std::size_t>(last - first + 1) > kMaxBars) {
    width = static_cast<long long>(std::ceil(niceScale(0, static_cast<double>(last - first + 1), 60).step));
  }
  long long start = first / width * width;
  for (long long from = start; from <= last; from += width) bins.push_back({from, from + width - 1, 0});
  for (const auto& [value, count] : counts) bins[(value - start) / width].count += count;
  return bins;
}

}  // namespace

std::string drawHistogram(const Histogram& chart) {
  std::vector<Bin> bins = binsOf(chart);
  long long total = 0;
  for (const Bin& bin : bins) total += bin.count;
  double tallest = 0;
  for (const Bin& bin : bins) tallest = std::max(tallest, total > 0 ? double(bin.count) / total : 0.0);

  double legendHeight = 0;
  std::vector<LegendEntry> markers = {
      {"mean " + formatNumber(chart.mean, 1), kInk, true, false},
      {"median " + formatNumber(chart.median, 0), kVermillion, true, true},
      {"90th percentile " + formatNumber(chart.p90, 0), kOrange, true, true},
  };
  double headTop = headerHeight(chart.subtitle);
  std::string legend = legendRows(markers, 60, headTop + 14, kChartWidth - 60, legendHeight);
  PlotArea plot{60, headTop + 6 + legendHeight, kChartWidth - 80, 200};
  double height = plot.top + plot.height + 44;
  double from = bins.empty() ? 0 : bins.front().from;
  double to = bins.empty() ? 1 : bins.back().to + 1;
  Axis xAxis = niceAxis(from, to, 10, ValueFormat::kNumber);
  xAxis.low = from;
  xAxis.high = to;
  xAxis.ticks.erase(std::remove_if(xAxis.ticks.begin(), xAxis.ticks.end(),
                                   [&](double tick) { return tick < from || tick > to - 1; }),
                    xAxis.ticks.end());
  Axis yAxis = niceAxis(0, tallest, 4, ValueFormat::kPercent);

  std::string out = svgOpen(kChartWidth, height, "histogram", chart.title, chart.subtitle) + legend;
  out += leftAxis(yAxis, plot, "share of battles");
  // A value v is drawn from v to v + 1, so the tick of v sits at its bar's left edge;
  // the ticks are moved by half a bar to stand under the middle of each value.
  Axis shifted = xAxis;
  shifted.low -= 0.5;
  shifted.high -= 0.5;
  out += bottomAxis(shifted, plot, chart.axisTitle);
  for (const Bin& bin : bins) {
    double share = total > 0 ? double(bin.count) / total : 0.0;
    double left = axisPosition(xAxis, bin.from, plot.left, plot.left + plot.width);
    double right = axisPosition(xAxis, bin.to + 1, plot.left, plot.left + plot.width);
    double top = axisPosition(yAxis, share, plot.top + plot.height, plot.top);
    std::string range =
        bin.from == bin.to ? formatCount(bin.from) : formatCount(bin.from) + "–" + formatCount(bin.to);
    std::string tip = range + ": " + formatCount(bin.count) + " battles (" + formatPercent(share, 2) + ")";
    double gap = right - left > 4 ? 1 : 0;
    out += svgRect(left + gap / 2, top, right - left - gap, plot.top + plot.height - top, kBlue, tip,
                   "fill-opacity=\"0.85\"");
  }
  const double markValues[] = {chart.mean, chart.median, chart.p90};
  for (std::size_t m = 0; m < markers.size(); ++m) {
    const LegendEntry& mark = markers[m];
    double value = markValues[m];
    double x = axisPosition(xAxis, value + 0.5, plot.left, plot.left + plot.width);
    out += "<line x1=\"" + px(x) + "\" y1=\"" + px(plot.top - 4) + "\" x2=\"" + px(x) + "\" y2=\"" +
           px(plot.top + plot.height) + "\" stroke=\"" + mark.colour + "\" stroke-width=\"2\"" +
           (mark.dashed ? " stroke-dasharray=\"5 3\"" : "") + "><title>" + escapeHtml(mark.label) +
           "</title></line>\n";
  }
  return out + svgClose();
}
