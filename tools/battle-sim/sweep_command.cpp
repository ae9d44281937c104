// battle-sim sweep: the outcome rates over a range of values of one field, or
// a grid of two, every value fought with the same seeds (common random
// numbers), so neighbouring points differ by the change and not by luck.
#include <cstdio>
#include <iostream>

#include "command_common.h"
#include "sweep_document.h"
#include "text_table.h"

namespace {

constexpr std::int64_t kMaxPoints = 10000;

SweepAxis parseVary(const std::string& text) {
  const std::size_t equals = text.find('=');
  std::string error;
  if (equals == std::string::npos) throw UsageError("--vary: '" + text + "' is not WHO.FIELD=FROM:TO:STEP");
  std::optional<FieldTarget> target = parseFieldTarget(std::string_view(text).substr(0, equals), error);
  if (!target) throw UsageError("--vary: " + error);
  const std::string range = text.substr(equals + 1);
  const std::size_t first = range.find(':');
  const std::size_t second = first == std::string::npos ? first : range.find(':', first + 1);
  if (second == std::string::npos) throw UsageError("--vary: '" + range + "' is not FROM:TO:STEP");
  SweepAxis axis;
  axis.target = *target;
  axis.label = text.substr(0, equals);
  axis.from = intValue("--vary FROM", range.substr(0, first));
  axis.to = intValue("--vary TO", range.substr(first + 1, second - first - 1));
  axis.step = intValue("--vary STEP", range.substr(second + 1));
  if (axis.step == 0 || (axis.step > 0 && axis.from > axis.to) || (axis.step < 0 && axis.from < axis.to)) {
    throw UsageError("--vary: STEP " + std::to_string(axis.step) + " does not lead from " +
                     std::to_string(axis.from) + " to " + std::to_string(axis.to));
  }
  return axis;
}

std::string csvHeader(const std::vector<SweepAxis>& axes) {
  std::string line;
  for (const SweepAxis& axis : axes) line += axis.label + ",";
  line += "battles";
  for (const char* key : kOutcomeNames) {
    line += std::string(",") + key + "_rate," + key + "_low," + key + "_high";
  }
  return line + ",actions_mean,party_damage_mean,enemy_damage_mean\n";
}

std::string csvRow(const nlohmann::json& point, const std::vector<SweepAxis>& axes) {
  std::string line;
  char number[64];
  for (const SweepAxis& axis : axes)
    line += std::to_string(point.at("values").at(axis.label).get<std::int64_t>()) + ",";
  const nlohmann::json& result = point.at("result");
  line += std::to_string(result.at("battles").get<std::int64_t>());
  for (const char* key : kOutcomeNames) {
    const nlohmann::json& row = result.at("outcomes").at(key);
    std::snprintf(number, sizeof number, ",%.6f,%.6f,%.6f", row.at("rate").get<double>(),
                  row.at("ci95").at(0).get<double>(), row.at("ci95").at(1).get<double>());
    line += number;
  }
  SideDamage damage = sideDamage(result);
  std::snprintf(number, sizeof number, ",%.4f,%.4f,%.4f", result.at("actions").at("mean").get<double>(),
                damage.party, damage.enemy);
  return line + number + "\n";
}

// Rates as "61.2 ±1.0" percent, one row per point.
std::string sweepTable(const nlohmann::json& doc, const std::vector<SweepAxis>& axes) {
  std::string out;
  for (const SweepAxis& axis : axes) out += padLeft(axis.label, static_cast<int>(axis.label.size()) + 2);
  for (const char* key : kOutcomeNames) out += padLeft(key, 17);
  out += "    actions  party dmg  enemy dmg\n";
  char cell[64];
  for (const nlohmann::json& point : doc.at("points")) {
    for (const SweepAxis& axis : axes) {
      out += padLeft(std::to_string(point.at("values").at(axis.label).get<std::int64_t>()),
                     static_cast<int>(axis.label.size()) + 2);
    }
    const nlohmann::json& result = point.at("result");
    for (const char* key : kOutcomeNames) {
      const nlohmann::json& row = result.at("outcomes").at(key);
      const double half = (row.at("ci95").at(1).get<double>() - row.at("ci95").at(0).get<double>()) / 2;
      std::snprintf(cell, sizeof cell, "%.2f ±%.2f %%", row.at("rate").get<double>() * 100, half * 100);
      out += padLeft(cell, 17);
    }
    SideDamage damage = sideDamage(result);
    std::snprintf(cell, sizeof cell, "%11.2f%11.1f%11.1f\n", result.at("actions").at("mean").get<double>(),
                  damage.party, damage.enemy);
    out += cell;
  }
  return out;
}

}  // namespace

int sweepCommand(const SimOptions& options) {
  CommonPlan plan = commonPlan(options);
  if (options.vary.empty() || options.vary.size() > 2) throw UsageError("--vary: give it once or twice");
  if (options.json && options.csv) throw UsageError("--json and --csv: choose one");
  std::vector<SweepAxis> axes;
  for (const std::string& text : options.vary) axes.push_back(parseVary(text));
  std::int64_t points = 1;
  for (const SweepAxis& axis : axes) points *= axisLength(axis);
  if (points > kMaxPoints) throw UsageError("--vary: " + std::to_string(points) + " points; at most 10000");
  auto folder = std::make_unique<SimFolder>();
  loadFolderOrFail(plan.folder, plan.sets, *folder, true);

  ProgressBar bar = startProgress(points * plan.seeds.battles);
  std::vector<SweepPoint> results;
  double seconds = 0;
  for (std::int64_t p = 0; p < points; ++p) {
    SweepPoint point;
    point.values = pointValues(axes, p);
    auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
    for (int k = 0; k < kCombatantCount; ++k) combatants[k] = folder->combatants[k];
    for (std::size_t a = 0; a < axes.size(); ++a) {
      combatants[axes[a].target.combatant].n[axes[a].target.field] =
          static_cast<std::int32_t>(point.values[a]);
    }
    Fight fight = fightMatch(combatants.get(), plan.seeds.firstSeed, plan.seeds.battles, plan.threads, false,
                             &bar, p * plan.seeds.battles);
    point.tally = std::move(fight.tally);
    seconds += fight.seconds;
    results.push_back(std::move(point));
  }
  endProgress(bar);

  nlohmann::json doc = sweepDocument(axes, results, runInfo(*folder, plan.threads, seconds));
  writeHtmlIfAsked(options.html, doc);
  if (options.json) {
    printJson(doc);
  } else if (!options.csv) {
    std::cout << sweepTable(doc, axes);
  } else {
    std::string out = csvHeader(axes);
    for (const nlohmann::json& point : doc.at("points")) out += csvRow(point, axes);
    std::cout << out;
  }
  return 0;
}
