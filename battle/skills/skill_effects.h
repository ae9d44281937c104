// The effects of the skills 1..150. Each family keeps a dispatch table, one
// row per id: the active skills 1..100 and the monster skills 121..150 here
// (a row without an effect does nothing), the passives 101..120 in
// passives.h. The resolution dispatches every positive action code here.
#pragma once

#include "battle/battle_state.h"
#include "battle/skills/skill_helpers.h"

// What a skill does when it is used; null for a skill without an effect.
using SkillEffect = void (*)(BattleState& state, const SkillUse& use);

struct SkillRow {
  int id;
  SkillEffect effect;
};

// The effect of the action code `id`; null for a skill without an effect,
// for the passives (they never act as a turn's action) and for any code
// outside 1..150.
SkillEffect skillEffect(Int id);

// Runs the effect of skill `code` used by `actorIndex` on `targetIndex` at
// skill level `skillLevel`. A skill without an effect does nothing.
void applySkillEffect(BattleState& state, Int code, int actorIndex, int targetIndex, Int skillLevel);
