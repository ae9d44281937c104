// The win rate over a grid of two varied values, one coloured cell each, with
// the colour scale beside it.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/palette.h"

namespace {

constexpr double kFont = 12;
constexpr double kMaxCell = 96;
constexpr double kCellHeight = 38;
constexpr double kScaleWidth = 84;  // the colour scale and its labels
constexpr int kScaleSteps = 48;

// The colour scale spans the rates of the grid, rounded outward to round
// ticks, so that small differences between cells still show.
Axis colourAxis(const std::vector<double>& cells) {
  double low = 1, high = 0;
  for (double cell : cells) {
    if (!std::isfinite(cell)) continue;
    low = std::min(low, cell);
    high = std::max(high, cell);
  }
  if (low > high) low = 0, high = 1;
  Axis axis = niceAxis(low, high, 5, ValueFormat::kPercent);
  if (axis.low < 0 || axis.high > 1) {
    axis = niceAxis(std::max(0.0, axis.low), std::min(1.0, axis.high), 5, ValueFormat::kPercent);
  }
  return axis;
}

}  // namespace

std::string drawHeatMap(const HeatMap& chart) {
  std::size_t rows = chart.rowLabels.size();
  std::size_t columns = chart.columnLabels.size();
  double rowLabelWidth = 0;
  for (const std::string& label : chart.rowLabels)
    rowLabelWidth = std::max(rowLabelWidth, textWidth(label, kFont));
  double left = std::max(rowLabelWidth + 12, 40.0) + 22;
  double room = kChartWidth - left - kScaleWidth - 16;
  double cellWidth = columns > 0 ? std::min(kMaxCell, room / columns) : kMaxCell;
  double top = headerHeight(chart.subtitle);
  PlotArea plot{left, top + 44, cellWidth * columns, kCellHeight * rows};
  double scaleHeight = std::max(plot.height, 140.0);
  double height = plot.top + scaleHeight + 16;
  Axis scale = colourAxis(chart.cells);
  auto position = [&](double value) {
    return scale.high > scale.low ? (value - scale.low) / (scale.high - scale.low) : 0.5;
  };

  std::string out = svgOpen(kChartWidth, height, "heatmap", chart.title, chart.subtitle);
  out += svgText(plot.left + plot.width / 2, top + 16, chart.columnTitle, "axis-title", "middle");
  for (std::size_t c = 0; c < columns; ++c) {
    out += svgText(plot.left + (c + 0.5) * cellWidth, plot.top - 6,
                   fitText(chart.columnLabels[c], cellWidth - 2, kFont), "tick", "middle");
  }
  double titleX = 14, titleY = plot.top + plot.height / 2;
  out += "<text x=\"" + px(titleX) + "\" y=\"" + px(titleY) +
         "\" class=\"axis-title\" text-anchor=\"middle\" transform=\"rotate(-90 " + px(titleX) + " " +
         px(titleY) + ")\">" + escapeHtml(chart.rowTitle) + "</text>\n";
  bool writeValues = cellWidth >= 44;
  for (std::size_t r = 0; r < rows; ++r) {
    double y = plot.top + r * kCellHeight;
    out += svgText(plot.left - 8, y + kCellHeight / 2 + 4, chart.rowLabels[r], "tick", "end");
    for (std::size_t c = 0; c < columns; ++c) {
      std::size_t at = r * columns + c;
      double value = at < chart.cells.size() ? chart.cells[at] : NAN;
      std::string colour = std::isfinite(value) ? heatColour(position(value)) : "#eeeeee";
      std::string tip = at < chart.tips.size() ? chart.tips[at] : "";
      double x = plot.left + c * cellWidth;
      out += svgRect(x, y, cellWidth, kCellHeight, colour, tip, "stroke=\"#fff\" stroke-width=\"1\"");
      if (writeValues && std::isfinite(value)) {
        out += "<text x=\"" + px(x + cellWidth / 2) + "\" y=\"" + px(y + kCellHeight / 2 + 4) +
               "\" class=\"in-bar\" text-anchor=\"middle\" style=\"fill:" + textColourOn(colour) + "\">" +
               formatPercent(value, cellWidth >= 56 ? 1 : 0) + "</text>\n";
      }
    }
  }
  // The colour scale: high at the top, as on the value axes.
  double scaleLeft = plot.left + plot.width + 24;
  double scaleTop = plot.top;
  out += svgText(scaleLeft, scaleTop - 12, "win rate", "tick");
  for (int step = 0; step < kScaleSteps; ++step) {
    double part = (step + 0.5) / kScaleSteps;
    double y = scaleTop + scaleHeight * (1.0 - (step + 1.0) / kScaleSteps);
    out += svgRect(scaleLeft, y, 16, scaleHeight / kScaleSteps + 0.5, heatColour(part), "");
  }
  for (double tick : scale.ticks) {
    double y = axisPosition(scale, tick, scaleTop + scaleHeight, scaleTop);
    out += svgLine(scaleLeft + 16, y, scaleLeft + 20, y, "axis");
    out += svgText(scaleLeft + 23, y + 4, formatValue(tick, scale.format, scale.decimals), "tick");
  }
  return out + svgClose();
}
