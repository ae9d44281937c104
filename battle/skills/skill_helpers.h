// Small pieces that every skill effect uses: who takes part, the rolls, the
// header, and a hit with or without the cap at the victim's HP.
#pragma once

#include <string_view>

#include "battle/battle_state.h"

// One use of a skill: the turn's actor, target, skill id and skill level.
struct SkillUse {
  int actor;
  int target;
  Int code;
  Int level;
};

inline Combatant& combatantAt(BattleState& state, int index) { return state.combatants[index]; }
inline std::string_view nameAt(BattleState& state, int index) { return nameOf(state.combatants[index]); }

// The first index of the actor's opponents: 0 for a party actor, 3 for an enemy.
constexpr int firstOpponent(int actor) { return isPartyMember(actor) ? 0 : kPartyMember1; }

// Calls `act` with each opponent of `actor` whose HP is above 0 when it is
// reached, in index order.
template <typename Act>
void forEachLivingOpponent(BattleState& state, int actor, Act act) {
  for (int i = firstOpponent(actor); i < firstOpponent(actor) + 3; ++i) {
    if (isAlive(state.combatants[i])) act(state.combatants[i], i);
  }
}

// (value × k) / 10, product first.
inline Int tenths(Int value, Int k) { return value * k / 10; }

// damageRoll of the actor's physical (or magic) attack scaled by k tenths.
Int physicalRoll(BattleState& state, int actor, Int k, Int defence, Int level);
Int magicRoll(BattleState& state, int actor, Int k, Int defence, Int level);

// The header of the skill: the actor's side line and the skill's line.
void writeSkillHeader(BattleState& state, const SkillUse& use);
// The actor's side line alone.
void writeBareHeader(BattleState& state, const SkillUse& use);

// Cuts `damage` to the victim's HP and subtracts it; returns the amount dealt.
// A victim already at 0 HP or below ends at 0 and "takes" its old HP.
Int subtractCapped(BattleState& state, int victim, Int damage);

// Subtracts the whole damage; HP may fall below 0.
Int subtractUncapped(BattleState& state, int victim, Int damage);

// The hit's sound (`cue`, or the side's own when empty) and its damage line.
void reportHit(BattleState& state, int actor, int victim, Int dealt, std::string_view cue);

// Adds `amount` to HP and cuts the result to the maximum.
void healWithCap(Combatant& c, Int amount);
