// Counters of one battle for the balance simulator. The battle state points
// at one while a simulator collects; the rules add to it where they already
// write a damage line, count an activation, use an item, pay MP or revive,
// and never draw or decide anything for it. Null for the programs.
#pragma once

#include <cstdint>

#include "battle/combatant.h"

// What one combatant did and suffered in one battle.
struct CombatantStats {
  std::int64_t damageDealt = 0;  // damage lines of its actions
  std::int64_t damageTaken = 0;  // damage lines naming it
  std::int64_t knockOuts = 0;    // damage lines of its actions that left the target at 0 HP or less
  std::int64_t fallen = 0;       // damage lines that left it at 0 HP or less
  std::int64_t revived = 0;      // phoenix rings and auto-guard revivals
  std::int64_t mpSpent = 0;
  std::int64_t itemsUsed = 0;
  std::int64_t skillActivations = 0;  // its skills that ran and its passive reactions
};

// One skill of one user in one battle.
struct SkillStats {
  int skill = 0;
  int user = 0;
  std::int64_t activations = 0;
  std::int64_t damage = 0;     // damage lines while the skill ran
  std::int64_t misses = 0;     // the skill was drawn and missed
  std::int64_t reactions = 0;  // a passive of the target cancelled, deflected or evaded it
};

// One row for every pair of user and skill id 1..150 that can fire, so no
// skill goes uncounted, whatever a crafted record holds; clearing costs only
// the rows a battle used.
inline constexpr int kSkillStatsIds = 151;
inline constexpr int kSkillStatsRows = kCombatantCount * (kSkillStatsIds - 1);

struct BattleStats {
  CombatantStats combatants[kCombatantCount];
  SkillStats skills[kSkillStatsRows];
  int skillRowCount = 0;
  // Row + 1 of a skill and user, 0 for none: a turn finds its row at once.
  std::uint16_t rowOf[kCombatantCount][kSkillStatsIds] = {};
  std::int64_t actions = 0;  // turns played
  bool noActorLeft = false;  // the loop stopped because nobody could act any more
  bool gameOver = false;     // the settlement signalled game over
};

// Zero counters for a new battle.
void clearBattleStats(BattleStats& stats);

// The row of `skill` used by `user`, added when new; null for an id outside
// 1..150.
SkillStats* skillStatsRow(BattleStats& stats, int skill, int user);

// A damage line: `dealer` hit `target` for `damage`, leaving it at
// `remainingHp`; `skill` is the action's code (a skill id when positive).
void countDamage(BattleStats& stats, int dealer, int target, int skill, std::int64_t damage,
                 std::int64_t remainingHp);
