// Rows of stacked shares filling the width: the outcome shares of a run, or
// of the two sides of a comparison one above the other.
#include <algorithm>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/palette.h"

namespace {

constexpr double kFont = 12;
constexpr double kRow = 30;
constexpr double kRowGap = 10;
// A share's percentage is written inside its segment when the segment is at
// least this wide; the tooltip and the table carry it otherwise.
constexpr double kMinLabelled = 46;

}  // namespace

std::string drawShareBar(const ShareBar& chart) {
  double labelWidth = 0;
  for (const ShareRow& row : chart.rows)
    labelWidth = std::max(labelWidth, std::min(200.0, textWidth(row.label, kFont)));
  double left = labelWidth > 0 ? labelWidth + 14 : 0;
  PlotArea plot{left, headerHeight(chart.subtitle) + 4, kChartWidth - left - 2,
                chart.rows.size() * (kRow + kRowGap)};
  std::vector<LegendEntry> entries;
  for (const SharePart& part : chart.parts) entries.push_back({part.label, part.colour, false, false});
  double legendHeight = 0;
  std::string legend = legendRows(entries, plot.left, plot.top + plot.height + 14, plot.width, legendHeight);
  double height = plot.top + plot.height + legendHeight + 8;

  std::string out = svgOpen(kChartWidth, height, "shares", chart.title, chart.subtitle);
  double y = plot.top;
  for (const ShareRow& row : chart.rows) {
    if (!row.label.empty())
      out += svgText(plot.left - 8, y + kRow / 2 + 4, fitText(row.label, 200, kFont), "label", "end");
    double total = 0;
    for (double share : row.shares) total += std::max(0.0, share);
    double x = plot.left;
    for (std::size_t p = 0; p < row.shares.size() && p < chart.parts.size(); ++p) {
      double width = total > 0 ? std::max(0.0, row.shares[p]) / std::max(1.0, total) * plot.width : 0;
      if (width <= 0) continue;
      std::string tip = p < row.tips.size() ? row.tips[p] : chart.parts[p].label;
      out += svgRect(x, y, width, kRow, chart.parts[p].colour, tip, "stroke=\"#fff\" stroke-width=\"1\"");
      if (width >= kMinLabelled) {
        out +=
            "<text x=\"" + px(x + width / 2) + "\" y=\"" + px(y + kRow / 2 + 4) +
            "\" class=\"in-bar\" text-anchor=\"middle\" style=\"fill:" + textColourOn(chart.parts[p].colour) +
            "\">" + formatPercent(row.shares[p], 1) + "</text>\n";
      }
      x += width;
    }
    y += kRow + kRowGap;
  }
  return out + legend + svgClose();
}
