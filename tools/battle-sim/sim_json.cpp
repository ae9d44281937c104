#include "sim_json.h"

#include <cmath>

#include "battle/skills/skill_catalogue.h"
#include "common/sjis_decode.h"
#include "field_sets.h"
#include "sim_statistics.h"

#ifndef BATTLE_SIM_VERSION
#define BATTLE_SIM_VERSION "0.0.0"
#endif

using nlohmann::json;

namespace {

struct CombatantKey {
  const char* name;
  std::int64_t CombatantStats::*field;
};

// clang-format off
constexpr CombatantKey kCombatantKeys[] = {
    {"damage_dealt",      &CombatantStats::damageDealt},
    {"damage_taken",      &CombatantStats::damageTaken},
    {"knockouts",         &CombatantStats::knockOuts},
    {"fallen",            &CombatantStats::fallen},
    {"revived",           &CombatantStats::revived},
    {"mp_spent",          &CombatantStats::mpSpent},
    {"items_used",        &CombatantStats::itemsUsed},
    {"skill_activations", &CombatantStats::skillActivations},
};
// clang-format on

double perBattle(std::int64_t total, std::int64_t battles) {
  return battles > 0 ? static_cast<double>(total) / static_cast<double>(battles) : 0.0;
}

json outcomesJson(const SimTally& tally) {
  json outcomes = json::object();
  for (int k = 0; k < kOutcomeKeys; ++k) {
    Interval ci = wilsonInterval(tally.outcomes[k], tally.battles);
    outcomes[kOutcomeNames[k]] = {{"count", tally.outcomes[k]},
                                  {"rate", rateOf(tally.outcomes[k], tally.battles)},
                                  {"ci95", intervalJson(ci.low, ci.high)}};
  }
  return outcomes;
}

json actionsJson(const SimTally& tally) {
  json histogram = json::array();
  for (std::size_t a = 0; a < tally.actionHistogram.size(); ++a) {
    histogram.push_back({static_cast<std::int64_t>(a), tally.actionHistogram[a]});
  }
  return {{"mean", histogramMean(tally.actionHistogram)},
          {"median", histogramRank(tally.actionHistogram, 0.5)},
          {"p90", histogramRank(tally.actionHistogram, 0.9)},
          {"max",
           tally.actionHistogram.empty() ? 0 : static_cast<std::int64_t>(tally.actionHistogram.size()) - 1},
          {"histogram", histogram}};
}

json combatantsJson(const SimTally& tally, const RunInfo& info) {
  json rows = json::array();
  for (int i = 0; i < kCombatantCount; ++i) {
    json totals = json::object();
    json means = json::object();
    for (const CombatantKey& key : kCombatantKeys) {
      totals[key.name] = tally.combatants[i].*key.field;
      means[key.name] = perBattle(tally.combatants[i].*key.field, tally.battles);
    }
    rows.push_back({{"index", i},
                    {"who", combatantWho(i)},
                    {"side", isPartyMember(i) ? "party" : "enemy"},
                    {"name", info.names[i]},
                    {"present", !info.names[i].empty()},
                    {"totals", totals},
                    {"per_battle", means}});
  }
  return rows;
}

json skillsJson(const SimTally& tally, const RunInfo& info) {
  json rows = json::array();
  for (int s = 1; s < kSkillIds; ++s) {
    for (int u = 0; u < kCombatantCount; ++u) {
      const SkillTotals& t = tally.skills[s][u];
      if (t.activations == 0 && t.damage == 0 && t.misses == 0 && t.reactions == 0) continue;
      rows.push_back({{"id", s},
                      {"name", cp932ToUtf8(skillName(s))},
                      {"user", u},
                      {"user_name", info.names[u]},
                      {"activations", t.activations},
                      {"damage", t.damage},
                      {"misses", t.misses},
                      {"reactions", t.reactions}});
    }
  }
  return rows;
}

json partyJson(const SimTally& tally, const RunInfo& info) {
  json rows = json::array();
  for (int m = 0; m < 3; ++m) {
    const PartyTotals& p = tally.party[m];
    rows.push_back({{"member", m + 1},
                    {"name", info.names[kPartyMember1 + m]},
                    {"level_ups", p.levelUps},
                    {"level_up_share", rateOf(p.levelUps, tally.battles)},
                    {"lives_lost", p.livesLost},
                    {"lives_lost_mean", perBattle(p.livesLost, tally.battles)},
                    {"experience", p.experience},
                    {"experience_mean", perBattle(p.experience, tally.battles)},
                    {"money", p.money},
                    {"money_mean", perBattle(p.money, tally.battles)}});
  }
  return rows;
}

bool readInt(const json& object, const char* key, std::int64_t& out) {
  auto it = object.find(key);
  if (it == object.end() || !it->is_number_integer()) return false;
  out = it->get<std::int64_t>();
  return true;
}

}  // namespace

const char* simVersion() { return BATTLE_SIM_VERSION; }

json intervalJson(double low, double high) { return json::array({low, high}); }

json seedRangesJson(const std::vector<SeedRange>& ranges) {
  json out = json::array();
  for (const SeedRange& r : ranges) out.push_back({r.first, r.second});
  return out;
}

void addSpeed(json& doc, std::int64_t battles, int threads, double seconds) {
  doc["threads"] = threads;
  doc["elapsed_seconds"] = seconds;
  doc["battles_per_second"] = seconds > 0 ? static_cast<double>(battles) / seconds : 0.0;
}

json runDocument(const SimTally& tally, const RunInfo& info) {
  json doc = {{"tool", "battle-sim"},    {"version", simVersion()},
              {"command", info.command}, {"folder", info.folder},
              {"sets", info.sets},       {"seed_ranges", seedRangesJson(tally.seedRanges)},
              {"battles", tally.battles}};
  addSpeed(doc, tally.battles, info.threads, info.seconds);
  doc["outcomes"] = outcomesJson(tally);
  doc["settled_no_actor"] = tally.settledNoActor;
  doc["actions"] = actionsJson(tally);
  doc["combatants"] = combatantsJson(tally, info);
  doc["skills"] = skillsJson(tally, info);
  doc["party"] = partyJson(tally, info);
  return doc;
}

std::optional<SimTally> tallyFromDocument(const json& doc, RunInfo& info, std::string& error) {
  SimTally tally;
  try {
    info.command = doc.value("command", "run");
    info.folder = doc.value("folder", "");
    info.sets = doc.value("sets", std::vector<std::string>{});
    info.threads = doc.value("threads", 1);
    info.seconds = doc.value("elapsed_seconds", 0.0);
    if (!readInt(doc, "battles", tally.battles)) throw std::runtime_error("no battles count");
    for (const json& r : doc.at("seed_ranges")) {
      tally.seedRanges.emplace_back(r.at(0).get<std::int64_t>(), r.at(1).get<std::int64_t>());
    }
    for (int k = 0; k < kOutcomeKeys; ++k) {
      if (!readInt(doc.at("outcomes").at(kOutcomeNames[k]), "count", tally.outcomes[k])) {
        throw std::runtime_error(std::string("no count of ") + kOutcomeNames[k]);
      }
    }
    if (!readInt(doc, "settled_no_actor", tally.settledNoActor))
      throw std::runtime_error("no settled_no_actor");
    for (const json& bin : doc.at("actions").at("histogram")) {
      const auto actions = bin.at(0).get<std::int64_t>();
      if (actions < 0 || actions > 1000000) throw std::runtime_error("bad histogram");
      if (tally.actionHistogram.size() <= static_cast<std::size_t>(actions)) {
        tally.actionHistogram.resize(static_cast<std::size_t>(actions) + 1, 0);
      }
      tally.actionHistogram[static_cast<std::size_t>(actions)] += bin.at(1).get<std::int64_t>();
    }
    for (const json& row : doc.at("combatants")) {
      const int i = row.at("index").get<int>();
      if (i < 0 || i >= kCombatantCount) throw std::runtime_error("bad combatant index");
      info.names[i] = row.value("name", "");
      for (const CombatantKey& key : kCombatantKeys) {
        tally.combatants[i].*key.field = row.at("totals").at(key.name).get<std::int64_t>();
      }
    }
    for (const json& row : doc.at("skills")) {
      const int s = row.at("id").get<int>();
      const int u = row.at("user").get<int>();
      if (s <= 0 || s >= kSkillIds || u < 0 || u >= kCombatantCount)
        throw std::runtime_error("bad skill row");
      SkillTotals& t = tally.skills[s][u];
      t.activations += row.at("activations").get<std::int64_t>();
      t.damage += row.at("damage").get<std::int64_t>();
      t.misses += row.at("misses").get<std::int64_t>();
      t.reactions += row.at("reactions").get<std::int64_t>();
    }
    for (const json& row : doc.at("party")) {
      const int m = row.at("member").get<int>() - 1;
      if (m < 0 || m >= 3) throw std::runtime_error("bad party member");
      tally.party[m] = {row.at("level_ups").get<std::int64_t>(), row.at("lives_lost").get<std::int64_t>(),
                        row.at("experience").get<std::int64_t>(), row.at("money").get<std::int64_t>()};
    }
  } catch (const std::exception& e) {
    error = e.what();
    return std::nullopt;
  }
  return tally;
}
