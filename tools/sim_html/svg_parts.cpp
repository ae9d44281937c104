#include "tools/sim_html/svg_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/sim_html/html_text.h"

namespace {

constexpr double kFont = 12.0;

}  // namespace

std::string formatValue(double value, ValueFormat format, int decimals) {
  switch (format) {
    case ValueFormat::kPercent:
      return formatPercent(value, decimals);
    case ValueFormat::kPoints:
      return formatPoints(value, decimals);
    case ValueFormat::kNumber:
      break;
  }
  return formatNumber(value, decimals);
}

Axis niceAxis(double low, double high, int ticks, ValueFormat format) {
  AxisScale scale = niceScale(low, high, ticks);
  // Percentages and points print the step times 100.
  double printed = format == ValueFormat::kNumber ? scale.step : scale.step * 100.0;
  return {scale.low, scale.high, scaleTicks(scale), format, tickDecimals(printed)};
}

double axisPosition(const Axis& axis, double value, double from, double to) {
  if (!(axis.high > axis.low) || !std::isfinite(value)) return from;
  return from + (value - axis.low) / (axis.high - axis.low) * (to - from);
}

std::string px(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string out = text;
  if (out.size() > 2 && out.compare(out.size() - 2, 2, ".0") == 0) out.resize(out.size() - 2);
  return out == "-0" ? "0" : out;
}

std::string svgOpen(double width, double height, std::string_view kind, std::string_view title,
                    std::string_view subtitle) {
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" data-chart=\"" +
                    escapeHtml(kind) + "\" width=\"" + px(width) + "\" height=\"" + px(height) +
                    "\" viewBox=\"0 0 " + px(width) + " " + px(height) + "\" role=\"img\" aria-label=\"" +
                    escapeHtml(title) + "\">\n";
  out += "<title>" + escapeHtml(title) + "</title>\n";
  out += svgText(0, 18, title, "chart-title");
  if (!subtitle.empty()) out += svgText(0, 36, subtitle, "chart-subtitle");
  return out;
}

std::string svgClose() { return "</svg>\n"; }

double headerHeight(std::string_view subtitle) { return subtitle.empty() ? 30 : 48; }

std::string svgText(double x, double y, std::string_view text, std::string_view cls,
                    std::string_view anchor) {
  std::string out = "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\"";
  if (!cls.empty()) out += " class=\"" + std::string(cls) + "\"";
  if (anchor != "start") out += " text-anchor=\"" + std::string(anchor) + "\"";
  return out + ">" + escapeHtml(text) + "</text>\n";
}

std::string svgRect(double x, double y, double width, double height, std::string_view fill,
                    std::string_view tip, std::string_view extra) {
  std::string out = "<rect x=\"" + px(x) + "\" y=\"" + px(y) + "\" width=\"" + px(std::max(0.0, width)) +
                    "\" height=\"" + px(std::max(0.0, height)) + "\" fill=\"" + std::string(fill) + "\"";
  if (!extra.empty()) out += " " + std::string(extra);
  if (tip.empty()) return out + "/>\n";
  return out + "><title>" + escapeHtml(tip) + "</title></rect>\n";
}

std::string svgLine(double x1, double y1, double x2, double y2, std::string_view cls) {
  return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" + px(y2) +
         "\" class=\"" + std::string(cls) + "\"/>\n";
}

std::string bottomAxis(const Axis& axis, const PlotArea& plot, std::string_view title) {
  std::string out;
  double bottom = plot.top + plot.height;
  for (double tick : axis.ticks) {
    double x = axisPosition(axis, tick, plot.left, plot.left + plot.width);
    out += svgLine(x, plot.top, x, bottom, tick == 0.0 ? "zero" : "grid");
    out += svgLine(x, bottom, x, bottom + 4, "axis");
    out += svgText(x, bottom + 17, formatValue(tick, axis.format, axis.decimals), "tick", "middle");
  }
  out += svgLine(plot.left, bottom, plot.left + plot.width, bottom, "axis");
  if (!title.empty()) out += svgText(plot.left + plot.width / 2, bottom + 34, title, "axis-title", "middle");
  return out;
}

std::string leftAxis(const Axis& axis, const PlotArea& plot, std::string_view title) {
  std::string out;
  for (double tick : axis.ticks) {
    double y = axisPosition(axis, tick, plot.top + plot.height, plot.top);
    out += svgLine(plot.left, y, plot.left + plot.width, y, tick == 0.0 ? "zero" : "grid");
    out += svgLine(plot.left - 4, y, plot.left, y, "axis");
    out += svgText(plot.left - 7, y + 4, formatValue(tick, axis.format, axis.decimals), "tick", "end");
  }
  out += svgLine(plot.left, plot.top, plot.left, plot.top + plot.height, "axis");
  if (!title.empty()) {
    double x = 14;
    double y = plot.top + plot.height / 2;
    out += "<text x=\"" + px(x) + "\" y=\"" + px(y) +
           "\" class=\"axis-title\" text-anchor=\"middle\" transform=\"rotate(-90 " + px(x) + " " + px(y) +
           ")\">" + escapeHtml(title) + "</text>\n";
  }
  return out;
}

std::string legendRows(const std::vector<LegendEntry>& entries, double x, double y, double width,
                       double& height) {
  std::string out;
  double atX = x;
  double atY = y;
  for (const LegendEntry& entry : entries) {
    double entryWidth = 22 + textWidth(entry.label, kFont) + 16;
    if (atX > x && atX + entryWidth > x + width) {
      atX = x;
      atY += 18;
    }
    if (entry.line) {
      out += "<line x1=\"" + px(atX) + "\" y1=\"" + px(atY - 4) + "\" x2=\"" + px(atX + 16) + "\" y2=\"" +
             px(atY - 4) + "\" stroke=\"" + entry.colour + "\" stroke-width=\"2.5\"" +
             (entry.dashed ? " stroke-dasharray=\"5 3\"" : "") + "/>\n";
    } else {
      out += svgRect(atX, atY - 10, 12, 12, entry.colour, "");
    }
    out += svgText(atX + 20, atY, entry.label, "legend");
    atX += entryWidth;
  }
  height += atY - y + 18;
  return out;
}
