// Lines over the varied value of a sweep, with their 95 % intervals as bands.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"

namespace {

// Up to this many distinct x values, the ticks are the values themselves: a
// sweep's steps are what the designer chose.
constexpr std::size_t kMaxValueTicks = 13;

Axis xAxisOf(const LineChart& chart) {
  std::vector<double> xs;
  for (const LineSeries& series : chart.series) {
    for (const LinePoint& point : series.points) {
      if (std::isfinite(point.x)) xs.push_back(point.x);
    }
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  if (xs.size() < 2 || xs.size() > kMaxValueTicks) {
    return niceAxis(xs.empty() ? 0 : xs.front(), xs.empty() ? 1 : xs.back(), 8, ValueFormat::kNumber);
  }
  int decimals = 0;
  for (double x : xs) decimals = std::max(decimals, tickDecimals(x));
  return {xs.front(), xs.back(), xs, ValueFormat::kNumber, decimals};
}

Axis yAxisOf(const LineChart& chart) {
  double low = 0, high = 0;
  for (const LineSeries& series : chart.series) {
    for (const LinePoint& point : series.points) {
      for (double y : {point.y, series.band ? point.low : point.y, series.band ? point.high : point.y}) {
        if (!std::isfinite(y)) continue;
        low = std::min(low, y);
        high = std::max(high, y);
      }
    }
  }
  if (chart.yFormat == ValueFormat::kPercent) high = std::min(high, 1.0);
  return niceAxis(low, high, 5, chart.yFormat);
}

std::string pathThrough(const std::vector<std::pair<double, double>>& points) {
  std::string d;
  for (const auto& [x, y] : points) d += (d.empty() ? "M" : " L") + px(x) + " " + px(y);
  return d;
}

}  // namespace

std::string drawLineChart(const LineChart& chart) {
  std::vector<LegendEntry> entries;
  for (const LineSeries& series : chart.series)
    entries.push_back({series.name, series.colour, true, series.dashed});
  double top = headerHeight(chart.subtitle);
  double legendHeight = 0;
  std::string legend =
      chart.series.size() > 1 ? legendRows(entries, 66, top + 14, kChartWidth - 66, legendHeight) : "";
  PlotArea plot{66, top + 10 + legendHeight, kChartWidth - 66 - 24, 240};
  double height = plot.top + plot.height + 46;
  Axis xAxis = xAxisOf(chart);
  Axis yAxis = yAxisOf(chart);
  auto atX = [&](double x) { return axisPosition(xAxis, x, plot.left, plot.left + plot.width); };
  auto atY = [&](double y) { return axisPosition(yAxis, y, plot.top + plot.height, plot.top); };

  std::string out = svgOpen(kChartWidth, height, "lines", chart.title, chart.subtitle) + legend;
  out += leftAxis(yAxis, plot, chart.yTitle);
  out += bottomAxis(xAxis, plot, chart.xTitle);
  for (const LineSeries& series : chart.series) {
    if (!series.band || series.points.empty()) continue;
    std::vector<std::pair<double, double>> outline;
    for (const LinePoint& point : series.points) outline.push_back({atX(point.x), atY(point.high)});
    for (auto point = series.points.rbegin(); point != series.points.rend(); ++point) {
      outline.push_back({atX(point->x), atY(point->low)});
    }
    out += "<path d=\"" + pathThrough(outline) + " Z\" fill=\"" + series.colour +
           "\" fill-opacity=\"0.18\" stroke=\"none\"><title>" + escapeHtml(series.name) +
           ": 95% interval</title></path>\n";
  }
  for (const LineSeries& series : chart.series) {
    std::vector<std::pair<double, double>> line;
    for (const LinePoint& point : series.points) line.push_back({atX(point.x), atY(point.y)});
    if (line.size() > 1) {
      out += "<path d=\"" + pathThrough(line) + "\" fill=\"none\" stroke=\"" + series.colour +
             "\" stroke-width=\"2.2\"" + (series.dashed ? " stroke-dasharray=\"6 4\"" : "") + "/>\n";
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
      out += "<circle cx=\"" + px(line[i].first) + "\" cy=\"" + px(line[i].second) + "\" r=\"3.5\" fill=\"" +
             series.colour + "\" stroke=\"#fff\" stroke-width=\"1\"><title>" +
             escapeHtml(series.points[i].tip) + "</title></circle>\n";
    }
  }
  return out + svgClose();
}
