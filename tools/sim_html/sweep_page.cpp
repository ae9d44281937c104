// The page of `sweep`: outcome rates, actions and damage against one varied
// field, or the win rate over a grid of two.
#include <algorithm>
#include <cmath>

#include "tools/sim_html/charts.h"
#include "tools/sim_html/html_text.h"
#include "tools/sim_html/nice_scale.h"
#include "tools/sim_html/page_frame.h"
#include "tools/sim_html/pages.h"
#include "tools/sim_html/result_sections.h"

namespace {

// A grid's win rates are also drawn as one line per row value, up to this
// many lines; more would be unreadable.
constexpr std::size_t kMaxGridLines = 7;

struct Varied {
  std::string name;  // "enemy1.max_hp", the key of each point's values
  std::string who;   // the combatant's name, "オーガ"
  double from, to, step;
};

struct SweepPoint {
  std::vector<double> values;  // one per varied field
  const Json* result;
};

// The name of the combatant in slot `who` ("enemy1"), from the first point.
std::string nameOf(const Json& doc, const std::string& who) {
  const Json& result = fieldAt(itemAt(listAt(doc, "points"), 0), "result");
  for (const Json& combatant : listAt(result, "combatants")) {
    if (textAt(combatant, "who") == who) return textAt(combatant, "name");
  }
  return {};
}

std::vector<Varied> variedFields(const Json& doc) {
  std::vector<Varied> fields;
  for (const Json& vary : listAt(doc, "vary")) {
    fields.push_back({textAt(vary, "who") + "." + textAt(vary, "field"), nameOf(doc, textAt(vary, "who")),
                      numberAt(vary, "from"), numberAt(vary, "to"), numberAt(vary, "step")});
  }
  return fields;
}

std::vector<SweepPoint> sweepPoints(const Json& doc, const std::vector<Varied>& fields) {
  std::vector<SweepPoint> points;
  for (const Json& point : listAt(doc, "points")) {
    SweepPoint entry{{}, &fieldAt(point, "result")};
    const Json& values = fieldAt(point, "values");
    for (const Varied& field : fields) entry.values.push_back(numberAt(values, field.name.c_str()));
    points.push_back(entry);
  }
  return points;
}

std::string valueText(double value) { return formatNumber(value, tickDecimals(value)); }

const Json& outcomeOf(const SweepPoint& point, const char* key) {
  return fieldAt(fieldAt(*point.result, "outcomes"), key);
}

double rateOf(const SweepPoint& point, const char* key) { return numberAt(outcomeOf(point, key), "rate"); }

std::string pointName(const std::vector<Varied>& fields, const SweepPoint& point) {
  std::string name;
  for (std::size_t f = 0; f < fields.size() && f < point.values.size(); ++f) {
    name += (name.empty() ? "" : ", ") + fields[f].name + " = " + valueText(point.values[f]);
  }
  return name;
}

std::string curvesSection(const std::vector<Varied>& fields, const std::vector<SweepPoint>& points) {
  const std::string& x = fields[0].name;
  LineChart rates{"Outcome rates against " + x,
                  "rate of each outcome with its 95% interval as a band",
                  x,
                  "rate",
                  ValueFormat::kPercent,
                  {}};
  for (const OutcomeKind& kind : kOutcomes) {
    LineSeries series{kind.label, kind.colour, std::string(kind.key) == "game_over", true, {}};
    bool seen = false;
    for (const SweepPoint& point : points) {
      const Json& outcome = outcomeOf(point, kind.key);
      const Json& interval = fieldAt(outcome, "ci95");
      double rate = numberAt(outcome, "rate");
      seen = seen || rate > 0;
      series.points.push_back(
          {point.values[0], rate, numberOf(itemAt(interval, 0)), numberOf(itemAt(interval, 1)),
           pointName(fields, point) + ": " + kind.label + " " + rateWithInterval(outcome)});
    }
    // An outcome that never happened would only draw a line along zero.
    if (seen) rates.series.push_back(series);
  }
  LineChart actions{
      "Mean actions per battle against " + x,    "", x, "actions per battle", ValueFormat::kNumber,
      {{"mean actions", kInk, false, false, {}}}};
  LineChart damage{"Mean damage per battle by side against " + x,
                   "damage dealt per battle, summed over each side",
                   x,
                   "damage per battle",
                   ValueFormat::kNumber,
                   {{"party", kBlue, false, false, {}}, {"enemies", kVermillion, true, false, {}}}};
  for (const SweepPoint& point : points) {
    double mean = numberAt(fieldAt(*point.result, "actions"), "mean");
    actions.series[0].points.push_back(
        {point.values[0], mean, mean, mean,
         pointName(fields, point) + ": " + formatNumber(mean, 2) + " actions"});
    double party = sideDamage(*point.result, true);
    double enemies = sideDamage(*point.result, false);
    damage.series[0].points.push_back(
        {point.values[0], party, party, party,
         pointName(fields, point) + ": the party dealt " + formatNumber(party, 1)});
    damage.series[1].points.push_back(
        {point.values[0], enemies, enemies, enemies,
         pointName(fields, point) + ": the enemies dealt " + formatNumber(enemies, 1)});
  }
  std::string body =
      figure(drawLineChart(rates)) + figure(drawLineChart(actions)) + figure(drawLineChart(damage));
  return section("curves", "Outcomes against " + x, body);
}

std::string gridSection(const std::vector<Varied>& fields, const std::vector<SweepPoint>& points) {
  std::vector<double> rowValues, columnValues;
  for (const SweepPoint& point : points) {
    if (std::find(rowValues.begin(), rowValues.end(), point.values[0]) == rowValues.end()) {
      rowValues.push_back(point.values[0]);
    }
    if (std::find(columnValues.begin(), columnValues.end(), point.values[1]) == columnValues.end()) {
      columnValues.push_back(point.values[1]);
    }
  }
  HeatMap map{"Win rate by " + fields[0].name + " and " + fields[1].name,
              "each cell: the win rate at that pair of values; hover for its 95% interval",
              fields[0].name,
              fields[1].name,
              {},
              {},
              std::vector<double>(rowValues.size() * columnValues.size(), NAN),
              std::vector<std::string>(rowValues.size() * columnValues.size())};
  for (double value : rowValues) map.rowLabels.push_back(valueText(value));
  for (double value : columnValues) map.columnLabels.push_back(valueText(value));
  LineChart lines{"Win rate against " + fields[1].name + ", one line per " + fields[0].name,
                  "",
                  fields[1].name,
                  "win rate",
                  ValueFormat::kPercent,
                  {}};
  for (std::size_t r = 0; r < rowValues.size() && r < kMaxGridLines; ++r) {
    lines.series.push_back(
        {fields[0].name + " = " + valueText(rowValues[r]), kSeriesColours[r], false, false, {}});
  }
  for (const SweepPoint& point : points) {
    std::size_t r = std::find(rowValues.begin(), rowValues.end(), point.values[0]) - rowValues.begin();
    std::size_t c =
        std::find(columnValues.begin(), columnValues.end(), point.values[1]) - columnValues.begin();
    double rate = rateOf(point, "win");
    std::string tip = pointName(fields, point) + ": win " + rateWithInterval(outcomeOf(point, "win"));
    map.cells[r * columnValues.size() + c] = rate;
    map.tips[r * columnValues.size() + c] = tip;
    if (r < lines.series.size()) lines.series[r].points.push_back({point.values[1], rate, rate, rate, tip});
  }
  for (LineSeries& series : lines.series) {
    std::sort(series.points.begin(), series.points.end(),
              [](const LinePoint& a, const LinePoint& b) { return a.x < b.x; });
  }
  std::string body = figure(drawHeatMap(map));
  if (rowValues.size() <= kMaxGridLines) body += figure(drawLineChart(lines));
  return section("grid", "Win rate over the grid", body);
}

std::string pointsTable(const std::vector<Varied>& fields, const std::vector<SweepPoint>& points) {
  std::vector<Column> columns;
  for (const Varied& field : fields) columns.push_back({field.name, true});
  for (const char* heading : {"win", "win 95% interval", "annihilation", "judgement win", "judgement loss",
                              "game over", "actions", "party damage", "enemy damage"}) {
    columns.push_back({heading, true});
  }
  std::vector<std::vector<std::string>> rows;
  for (const SweepPoint& point : points) {
    std::vector<std::string> row;
    for (double value : point.values) row.push_back(valueText(value));
    const Json& win = outcomeOf(point, "win");
    row.push_back(rateText(win));
    row.push_back(rateInterval(win));
    for (const char* key : {"annihilation", "judgement_win", "judgement_loss", "game_over"}) {
      row.push_back(withTip(rateText(outcomeOf(point, key)), rateWithInterval(outcomeOf(point, key))));
    }
    row.push_back(formatNumber(numberAt(fieldAt(*point.result, "actions"), "mean"), 2));
    row.push_back(formatNumber(sideDamage(*point.result, true), 1));
    row.push_back(formatNumber(sideDamage(*point.result, false), 1));
    rows.push_back(row);
  }
  std::string body = note(
      "Every value was fought with the same seeds, so neighbouring values differ by the "
      "change, not by luck. Damage is the mean dealt per battle by each side.");
  return section("points", "Every value", body + htmlTable(columns, rows));
}

std::string variedText(const std::vector<Varied>& fields) {
  std::string out;
  for (const Varied& field : fields) {
    out += (out.empty() ? "" : "; ") + std::string("<code>") + escapeHtml(field.name) + "</code>" +
           (field.who.empty() ? "" : " (" + escapeHtml(field.who) + ")") + " from " + valueText(field.from) +
           " to " + valueText(field.to) + " in steps of " + valueText(field.step);
  }
  return out;
}

}  // namespace

std::string renderSweepPage(const Json& doc) {
  std::vector<Varied> fields = variedFields(doc);
  std::vector<SweepPoint> points = sweepPoints(doc, fields);
  std::string folder = textAt(doc, "folder");
  std::string names;
  for (const Varied& field : fields) names += (names.empty() ? "" : " × ") + field.name;
  std::string out =
      pageStart("battle-sim sweep: " + names, "Sweep of " + (names.empty() ? "nothing" : names),
                "The match of <code>" + escapeHtml(folder) + "</code> with " +
                    (fields.empty() ? std::string("no varied field") : variedText(fields)) + ".");
  std::vector<Fact> facts = simulationFacts(doc, doc, "at each value, with the same seeds");
  facts.insert(facts.begin() + 2, {"Varied", fields.empty() ? "none" : variedText(fields)});
  facts.insert(facts.begin() + 3, {"Points", formatCount(static_cast<long long>(points.size()))});
  out += factList(facts);
  if (fields.empty() || points.empty()) {
    out += section("points", "Every value", note("The sweep holds no points."));
  } else {
    out += fields.size() >= 2 ? gridSection(fields, points) : curvesSection(fields, points);
    out += pointsTable(fields, points);
  }
  return out + pageEnd(doc);
}
