#include "sim_tally.h"

#include <algorithm>

namespace {

void addCombatant(CombatantStats& into, const CombatantStats& part) {
  into.damageDealt += part.damageDealt;
  into.damageTaken += part.damageTaken;
  into.knockOuts += part.knockOuts;
  into.fallen += part.fallen;
  into.revived += part.revived;
  into.mpSpent += part.mpSpent;
  into.itemsUsed += part.itemsUsed;
  into.skillActivations += part.skillActivations;
}

void addSkill(SkillTotals& into, const SkillTotals& part) {
  into.activations += part.activations;
  into.damage += part.damage;
  into.misses += part.misses;
  into.reactions += part.reactions;
}

void countActions(SimTally& tally, std::int64_t actions, std::int64_t battles) {
  if (actions < 0) actions = 0;
  if (tally.actionHistogram.size() <= static_cast<std::size_t>(actions)) {
    tally.actionHistogram.resize(static_cast<std::size_t>(actions) + 1, 0);
  }
  tally.actionHistogram[static_cast<std::size_t>(actions)] += battles;
}

}  // namespace

void addBattle(SimTally& tally, BattleMark mark, const BattleStats& stats, const PartyChange& party) {
  ++tally.battles;
  ++tally.outcomes[markKind(mark)];
  if (mark & kGameOverBit) ++tally.outcomes[kGameOverKey];
  if (stats.noActorLeft) ++tally.settledNoActor;
  countActions(tally, stats.actions, 1);
  for (int i = 0; i < kCombatantCount; ++i) addCombatant(tally.combatants[i], stats.combatants[i]);
  for (int r = 0; r < stats.skillRowCount; ++r) {
    const SkillStats& row = stats.skills[r];
    if (row.skill <= 0 || row.skill >= kSkillIds) continue;
    addSkill(tally.skills[row.skill][row.user], {row.activations, row.damage, row.misses, row.reactions});
  }
  for (int m = 0; m < 3; ++m) {
    PartyTotals& p = tally.party[m];
    p.levelUps += party.levelledUp[m] ? 1 : 0;
    p.livesLost += party.livesLost[m];
    p.experience += party.experience[m];
    p.money += party.money[m];
  }
}

void addTally(SimTally& into, const SimTally& part) {
  into.battles += part.battles;
  into.seedRanges.insert(into.seedRanges.end(), part.seedRanges.begin(), part.seedRanges.end());
  joinSeedRanges(into.seedRanges);
  for (int k = 0; k < kOutcomeKeys; ++k) into.outcomes[k] += part.outcomes[k];
  into.settledNoActor += part.settledNoActor;
  for (std::size_t a = 0; a < part.actionHistogram.size(); ++a) {
    if (part.actionHistogram[a] != 0)
      countActions(into, static_cast<std::int64_t>(a), part.actionHistogram[a]);
  }
  for (int i = 0; i < kCombatantCount; ++i) addCombatant(into.combatants[i], part.combatants[i]);
  for (int s = 0; s < kSkillIds; ++s) {
    for (int u = 0; u < kCombatantCount; ++u) addSkill(into.skills[s][u], part.skills[s][u]);
  }
  for (int m = 0; m < 3; ++m) {
    into.party[m].levelUps += part.party[m].levelUps;
    into.party[m].livesLost += part.party[m].livesLost;
    into.party[m].experience += part.party[m].experience;
    into.party[m].money += part.party[m].money;
  }
}

bool joinSeedRanges(std::vector<SeedRange>& ranges) {
  std::sort(ranges.begin(), ranges.end());
  std::vector<SeedRange> joined;
  bool disjoint = true;
  for (const SeedRange& r : ranges) {
    if (!joined.empty() && r.first <= joined.back().second) disjoint = false;
    if (!joined.empty() && r.first <= joined.back().second + 1) {
      joined.back().second = std::max(joined.back().second, r.second);
    } else {
      joined.push_back(r);
    }
  }
  ranges = std::move(joined);
  return disjoint;
}
