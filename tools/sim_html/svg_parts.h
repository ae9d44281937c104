// The pieces every chart of the report is drawn from: the frame of an inline
// SVG with its title, shapes with tooltips, axes with round ticks, legends.
// Styles come from the page's style sheet (the classes named here).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/sim_html/nice_scale.h"

// How the values of an axis, a label or a tooltip read.
enum class ValueFormat {
  kNumber,   // 1,234.5
  kPercent,  // a rate 0..1 as 61.2%
  kPoints,   // a difference of rates as +3.1 pp
};

// A value as `format` prints it with `decimals` digits.
std::string formatValue(double value, ValueFormat format, int decimals);

// The rectangle that the data fill, in SVG pixels.
struct PlotArea {
  double left, top, width, height;
};

// An axis: its range, the ticks to draw and how they read.
struct Axis {
  double low, high;
  std::vector<double> ticks;
  ValueFormat format;
  int decimals;
};

// An axis of round ticks covering `low` to `high`.
Axis niceAxis(double low, double high, int ticks, ValueFormat format);

// Where `value` lies between the pixels `from` (axis low) and `to` (high).
double axisPosition(const Axis& axis, double value, double from, double to);

// A coordinate as SVG text, one decimal at most.
std::string px(double value);

// The opening of a chart: <svg> with its size, the chart kind as data-chart,
// the title as accessible name and drawn at the top, and `subtitle` (the
// units) below it.
std::string svgOpen(double width, double height, std::string_view kind, std::string_view title,
                    std::string_view subtitle);
std::string svgClose();

// The height that the title and the subtitle (when there is one) take at
// the top of a chart.
double headerHeight(std::string_view subtitle);

std::string svgText(double x, double y, std::string_view text, std::string_view cls,
                    std::string_view anchor = "start");
// A rectangle with a tooltip (none when `tip` is empty); `extra` holds more attributes.
std::string svgRect(double x, double y, double width, double height, std::string_view fill,
                    std::string_view tip, std::string_view extra = "");
std::string svgLine(double x1, double y1, double x2, double y2, std::string_view cls);

// The horizontal value axis below the plot: ticks, labels, vertical grid
// lines and the axis title.
std::string bottomAxis(const Axis& axis, const PlotArea& plot, std::string_view title);

// The vertical value axis left of the plot: ticks, labels, horizontal grid
// lines and the axis title (turned upright).
std::string leftAxis(const Axis& axis, const PlotArea& plot, std::string_view title);

// One entry of a legend: a swatch (a line when `line`, dashed when `dashed`).
struct LegendEntry {
  std::string label;
  std::string colour;
  bool line;
  bool dashed;
};

// The legend as one or more rows starting at (x, y) within `width`; adds the
// rows' height to `height`.
std::string legendRows(const std::vector<LegendEntry>& entries, double x, double y, double width,
                       double& height);
