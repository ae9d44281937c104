// battle-sim weights: for each stat of a party member that a rule reads, the
// change of the win rate when it rises by a delta, paired by seed and ranked.
#include <cstdio>
#include <iostream>

#include "command_common.h"
#include "compare_document.h"
#include "sim_statistics.h"

namespace {

// The stats of a member that the battle rules read, as aliases.
constexpr const char* kWeighedFields[] = {
    "hp",
    "max_hp",
    "mp",
    "max_mp",
    "attack",
    "defence",
    "magic_attack",
    "magic_defence",
    "speed",
    "evasion",
    "skill_bonus",
    "hit_rate",
    "skill1_level",
    "skill2_level",
    "skill3_level",
    "gauge",
    "life_bottles",
    "elixirs",
    "magic_bottles",
    "phoenix_rings",
};

std::string weightsTable(const nlohmann::json& doc) {
  const nlohmann::json& outcomes = doc.at("baseline").at("outcomes");
  const double victories =
      outcomes.at("win").at("rate").get<double>() + outcomes.at("judgement_win").at("rate").get<double>();
  char line[200];
  std::snprintf(
      line, sizeof line,
      "member %d, each stat %+lld; baseline victories (win or judgement_win) %.2f %% of %lld battles\n\n",
      doc.at("member").get<int>(), static_cast<long long>(doc.at("delta").get<std::int64_t>()),
      victories * 100, static_cast<long long>(doc.at("battles").get<std::int64_t>()));
  std::string out = line;
  out += "stat             key            victory change    95 % interval (paired)    improved  worsened\n";
  for (const nlohmann::json& row : doc.at("weights")) {
    std::snprintf(line, sizeof line, "%-16s %-14s %+10.3f %%      %+.3f %% .. %+.3f %%   %10lld %9lld\n",
                  row.at("field").get<std::string>().c_str(), row.at("key").get<std::string>().c_str(),
                  row.at("diff").get<double>() * 100, row.at("ci95").at(0).get<double>() * 100,
                  row.at("ci95").at(1).get<double>() * 100,
                  static_cast<long long>(row.at("improved").get<std::int64_t>()),
                  static_cast<long long>(row.at("worsened").get<std::int64_t>()));
    out += line;
  }
  return out;
}

}  // namespace

int weightsCommand(const SimOptions& options) {
  CommonPlan plan = commonPlan(options);
  const auto member = static_cast<int>(positiveCount("--member", options.member, 3));
  const std::int32_t delta = intValue("--delta", options.delta);
  if (delta == 0) throw UsageError("--delta: 0 changes nothing");
  std::vector<FieldTarget> targets;
  const std::vector<std::string> names =
      options.fields.empty() ? std::vector<std::string>(std::begin(kWeighedFields), std::end(kWeighedFields))
                             : options.fields;
  for (const std::string& name : names) {
    std::string error;
    std::optional<FieldTarget> target =
        parseFieldTarget("member" + std::to_string(member) + "." + name, error);
    if (!target) throw UsageError("--fields: " + error);
    targets.push_back(*target);
  }
  auto folder = std::make_unique<SimFolder>();
  loadFolderOrFail(plan.folder, plan.sets, *folder, true);

  const std::int64_t battles = plan.seeds.battles;
  ProgressBar bar = startProgress(battles * static_cast<std::int64_t>(targets.size() + 1));
  Fight baseline = fightMatch(folder->combatants, plan.seeds.firstSeed, battles, plan.threads, true, &bar);
  double seconds = baseline.seconds;
  std::vector<WeightRow> rows;
  for (std::size_t t = 0; t < targets.size(); ++t) {
    auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
    for (int k = 0; k < kCombatantCount; ++k) combatants[k] = folder->combatants[k];
    combatants[targets[t].combatant].n[targets[t].field] += delta;
    Fight raised = fightMatch(combatants.get(), plan.seeds.firstSeed, battles, plan.threads, true, &bar,
                              battles * static_cast<std::int64_t>(t + 1));
    seconds += raised.seconds;
    rows.push_back({targets[t].field, pairVictories(baseline.marks, raised.marks)});
  }
  endProgress(bar);

  nlohmann::json doc =
      weightsDocument(baseline.tally, runInfo(*folder, plan.threads, seconds), member, delta, rows, seconds);
  writeHtmlIfAsked(options.html, doc);
  if (options.json) {
    printJson(doc);
  } else {
    std::cout << weightsTable(doc);
  }
  return 0;
}
