#include "sweep_document.h"

using nlohmann::json;

std::int64_t axisLength(const SweepAxis& axis) { return (axis.to - axis.from) / axis.step + 1; }

std::vector<std::int64_t> pointValues(const std::vector<SweepAxis>& axes, std::int64_t p) {
  std::vector<std::int64_t> values(axes.size());
  for (std::size_t a = axes.size(); a-- > 0;) {
    const std::int64_t length = axisLength(axes[a]);
    values[a] = axes[a].from + (p % length) * axes[a].step;
    p /= length;
  }
  return values;
}

json sweepDocument(const std::vector<SweepAxis>& axes, const std::vector<SweepPoint>& points,
                   const RunInfo& info) {
  json vary = json::array();
  for (const SweepAxis& axis : axes) {
    vary.push_back({{"label", axis.label},
                    {"who", combatantWho(axis.target.combatant)},
                    {"field", fieldLabel(axis.target.field)},
                    {"key", fieldKey(axis.target.field)},
                    {"from", axis.from},
                    {"to", axis.to},
                    {"step", axis.step}});
  }
  json rows = json::array();
  for (const SweepPoint& point : points) {
    json values = json::object();
    for (std::size_t a = 0; a < axes.size(); ++a) values[axes[a].label] = point.values[a];
    // A point is the run with its values as further changes.
    RunInfo pointInfo = info;
    pointInfo.seconds = 0;
    for (std::size_t a = 0; a < axes.size(); ++a) {
      pointInfo.sets.push_back(axes[a].label + "=" + std::to_string(point.values[a]));
    }
    rows.push_back({{"values", values}, {"result", runDocument(point.tally, pointInfo)}});
  }
  json doc = {{"tool", "battle-sim"},  {"version", simVersion()}, {"command", "sweep"},
              {"folder", info.folder}, {"sets", info.sets},       {"vary", vary},
              {"points", rows}};
  const std::int64_t battles = points.empty() ? 0 : points.front().tally.battles;
  doc["seed_ranges"] =
      seedRangesJson(points.empty() ? std::vector<SeedRange>{} : points.front().tally.seedRanges);
  doc["battles"] = battles;
  addSpeed(doc, battles * static_cast<std::int64_t>(points.size()), info.threads, info.seconds);
  return doc;
}

SideDamage sideDamage(const json& result) {
  SideDamage damage;
  for (const json& row : result.at("combatants")) {
    const double dealt = row.at("per_battle").at("damage_dealt").get<double>();
    (row.at("side") == "party" ? damage.party : damage.enemy) += dealt;
  }
  return damage;
}
