// A battle in memory for skill tests, with a twin generator as the oracle of
// the rolls: the oracle runs the same seed, so calling damageRoll on it in
// the order a rule should roll gives the damage the rule must deal.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "battle/skills/skill_catalogue.h"
#include "battle/skills/skill_effects.h"
#include "battle/skills/skill_helpers.h"
#include "battle/turn/damage_roll.h"
#include "common/sjis_decode.h"
#include "support/battle_builder.h"

struct SkillBattle {
  TestBattle battle;
  TestBattle twin;
  BattleState* state = nullptr;
  BattleState* oracle = nullptr;

  Combatant& operator[](int i) { return battle.combatants[i]; }

  // Both battles set up with the same seed; slots start at 0.
  BattleState& setUp(std::uint32_t seed = 7) {
    for (int i = 0; i < kCombatantCount; ++i) twin.combatants[i] = battle.combatants[i];
    state = &battle.setUp(seed);
    oracle = &twin.setUp(seed);
    return *state;
  }

  void use(Int code, int actor, int target, Int level = 0) {
    state->actorIndex = actor;
    state->targetIndex = target;
    applySkillEffect(*state, code, actor, target, level);
  }

  // The next roll the rule must make, and a plain draw.
  Int roll(Int attack, Int defence, Int level = 0) { return damageRoll(*oracle, attack, defence, level); }
  Int below(Int n) { return randomBelow(*oracle, n); }

  std::string text() const { return cp932ToUtf8(state->log.text); }
  std::vector<std::string> cues() const { return {state->cues.begin(), state->cues.end()}; }
  // The set-up draws nothing, so both counts start at 0.
  std::uint32_t draws() const { return state->rng.draws; }
  std::uint32_t oracleDraws() const { return oracle->rng.draws; }
};

// Party actor Hero (3): attack 100, magic attack 60. Enemies Orc (0), Imp
// (1), Bat (2) with their own defences; Sage (4) and Monk (5).
inline void makeSides(SkillBattle& b, Int orcHp) {
  b[0] = makeCombatant("Orc", {{kHp, orcHp}, {kMaxHp, 1000}, {kDefence, 20}, {kMagicDefence, 30}});
  b[1] = makeCombatant("Imp", {{kHp, 500}, {kMaxHp, 500}, {kDefence, 5}, {kMagicDefence, 80}});
  b[2] = makeCombatant("Bat", {{kHp, 500}, {kMaxHp, 500}, {kDefence, 40}, {kMagicDefence, 0}});
  b[3] = makeCombatant(
      "Hero",
      {{kHp, 300}, {kMaxHp, 300}, {kAttack, 100}, {kMagicAttack, 60}, {kDefence, 20}, {kMagicDefence, 30}});
  b[4] = makeCombatant("Sage", {{kHp, 300}, {kMaxHp, 300}, {kDefence, 10}, {kMagicDefence, 50}});
  b[5] = makeCombatant("Monk", {{kHp, 300}, {kMaxHp, 300}, {kDefence, 0}, {kMagicDefence, 0}});
}

// The enemy actor of a case gets Hero's attack values.
inline void giveAttack(SkillBattle& b, int actor) {
  b[actor].n[kAttack] = 100;
  b[actor].n[kMagicAttack] = 60;
}

// The lines a test expects, in UTF-8.
inline std::string skillNameUtf8(Int code) { return cp932ToUtf8(skillName(code)); }
inline std::string partyHeader(std::string_view actor, std::string_view skill) {
  std::string out = "<br><font color=blue>--->　" + std::string(actor) + "の攻撃！</font><br>\n";
  if (!skill.empty()) out += "☆　　" + std::string(skill) + "発動！<br>\n";
  return out;
}
inline std::string enemyHeader(std::string_view actor, std::string_view skill) {
  std::string out = "<br><font color=red><---　" + std::string(actor) + "の攻撃！<br></font>\n";
  if (!skill.empty()) out += "☆　　" + std::string(skill) + "発動！<br>\n";
  return out;
}
inline std::string damageLine(std::string_view name, Int damage) {
  return "　　　" + std::string(name) + "は" + std::to_string(damage.v) + "のダメージを受けた。<br>\n";
}
inline std::string enemyDown(std::string_view name) {
  return "<br>" + std::string(name) + "を倒した！！<br><br>\n";
}
inline std::string memberDown(std::string_view name) {
  return "<br>" + std::string(name) + "、戦闘不能！<br>\n";
}
