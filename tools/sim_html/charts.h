// The chart kinds of the simulator's HTML report, each drawn as inline SVG
// from a plain description of its data. Every chart carries its title, its
// units and a tooltip (<title>) on each mark.
#pragma once

#include <string>
#include <vector>

#include "tools/sim_html/svg_parts.h"

inline constexpr double kChartWidth = 720;

// Horizontal bars, one group per row and one bar per series in each group.
struct BarGroup {
  std::string label;
  std::vector<double> values;     // one per series
  std::vector<std::string> tips;  // one per series
};
struct BarChart {
  std::string title;
  std::string subtitle;
  std::string axisTitle;
  ValueFormat format;
  int decimals;  // of the value labels at the bars' ends
  std::vector<LegendEntry> series;
  std::vector<BarGroup> groups;
};
std::string drawBarChart(const BarChart& chart);

// Counts of whole-number values (such as actions per battle) as the share of
// each value, with the mean, median and 90th percentile marked.
struct Histogram {
  std::string title;
  std::string subtitle;
  std::string axisTitle;
  std::vector<std::pair<long long, long long>> counts;  // value, count
  double mean, median, p90;
};
std::string drawHistogram(const Histogram& chart);

// Rows of stacked shares that fill the width (outcome shares), with a legend.
struct SharePart {
  std::string label;
  std::string colour;
};
struct ShareRow {
  std::string label;
  std::vector<double> shares;     // one per part, 0..1
  std::vector<std::string> tips;  // one per part
};
struct ShareBar {
  std::string title;
  std::string subtitle;
  std::vector<SharePart> parts;
  std::vector<ShareRow> rows;
};
std::string drawShareBar(const ShareBar& chart);

// Lines over a numeric x axis, each optionally with its 95 % interval drawn
// as a band around it.
struct LinePoint {
  double x, y, low, high;
  std::string tip;
};
struct LineSeries {
  std::string name;
  std::string colour;
  bool dashed;
  bool band;
  std::vector<LinePoint> points;
};
struct LineChart {
  std::string title;
  std::string subtitle;
  std::string xTitle;
  std::string yTitle;
  ValueFormat yFormat;
  std::vector<LineSeries> series;
};
std::string drawLineChart(const LineChart& chart);

// A grid of rates as coloured cells with their values and a colour scale.
struct HeatMap {
  std::string title;
  std::string subtitle;
  std::string rowTitle;     // the field of the rows
  std::string columnTitle;  // the field of the columns
  std::vector<std::string> rowLabels;
  std::vector<std::string> columnLabels;
  std::vector<double> cells;  // row-major rates, 0..1
  std::vector<std::string> tips;
};
std::string drawHeatMap(const HeatMap& chart);

// Ranked horizontal bars from zero with an interval whisker each; a bar whose
// interval holds zero is drawn pale.
struct IntervalBar {
  std::string label;
  double value, low, high;
  std::string tip;
};
struct IntervalChart {
  std::string title;
  std::string subtitle;
  std::string axisTitle;
  ValueFormat format;
  int decimals;               // of the value labels
  std::string positiveLabel;  // the legend of bars above zero
  std::string negativeLabel;
  std::vector<IntervalBar> bars;
};
std::string drawIntervalChart(const IntervalChart& chart);
