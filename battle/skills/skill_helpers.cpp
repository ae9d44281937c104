#include "battle/skills/skill_helpers.h"

#include "battle/report/report_output.h"
#include "battle/skills/skill_catalogue.h"
#include "battle/turn/damage_roll.h"

Int physicalRoll(BattleState& state, int actor, Int k, Int defence, Int level) {
  return damageRoll(state, tenths(combatantAt(state, actor).n[kAttack], k), defence, level);
}

Int magicRoll(BattleState& state, int actor, Int k, Int defence, Int level) {
  return damageRoll(state, tenths(combatantAt(state, actor).n[kMagicAttack], k), defence, level);
}

void writeSkillHeader(BattleState& state, const SkillUse& use) {
  logActionHeader(state, nameAt(state, use.actor), skillName(use.code), use.actor);
}

void writeBareHeader(BattleState& state, const SkillUse& use) {
  logActionHeader(state, nameAt(state, use.actor), {}, use.actor);
}

Int subtractCapped(BattleState& state, int victim, Int damage) {
  Combatant& c = combatantAt(state, victim);
  if (damage > c.n[kHp]) damage = c.n[kHp];
  c.n[kHp] -= damage;
  return damage;
}

Int subtractUncapped(BattleState& state, int victim, Int damage) {
  combatantAt(state, victim).n[kHp] -= damage;
  return damage;
}

void reportHit(BattleState& state, int actor, int victim, Int dealt, std::string_view cue) {
  playHitCue(state, cue, actor);
  logDamage(state, nameAt(state, victim), victim, dealt, combatantAt(state, victim).n[kHp]);
}

void healWithCap(Combatant& c, Int amount) {
  c.n[kHp] += amount;
  if (c.n[kHp] > c.n[kMaxHp]) c.n[kHp] = c.n[kMaxHp];
}
