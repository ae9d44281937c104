#include "battle/battle_stats.h"

void clearBattleStats(BattleStats& stats) {
  for (CombatantStats& c : stats.combatants) c = {};
  for (int i = 0; i < stats.skillRowCount; ++i) stats.rowOf[stats.skills[i].user][stats.skills[i].skill] = 0;
  stats.skillRowCount = 0;
  stats.actions = 0;
  stats.noActorLeft = false;
  stats.gameOver = false;
}

SkillStats* skillStatsRow(BattleStats& stats, int skill, int user) {
  if (skill < 1 || skill >= kSkillStatsIds) return nullptr;
  std::uint16_t& index = stats.rowOf[user][skill];
  if (index != 0) return &stats.skills[index - 1];
  index = static_cast<std::uint16_t>(stats.skillRowCount + 1);
  SkillStats& row = stats.skills[stats.skillRowCount++];
  row = {};
  row.skill = skill;
  row.user = user;
  return &row;
}

void countDamage(BattleStats& stats, int dealer, int target, int skill, std::int64_t damage,
                 std::int64_t remainingHp) {
  stats.combatants[dealer].damageDealt += damage;
  stats.combatants[target].damageTaken += damage;
  if (remainingHp <= 0) {
    ++stats.combatants[dealer].knockOuts;
    ++stats.combatants[target].fallen;
  }
  if (skill > 0) {
    if (SkillStats* row = skillStatsRow(stats, skill, dealer)) row->damage += damage;
  }
}
