// The monster skills 121..150 that fit no shared shape, one short function
// each.
#pragma once

#include "battle/battle_state.h"
#include "battle/skills/skill_helpers.h"

// Runs `use` when its skill is one of these; false otherwise. Skills without
// an effect (122, 127, 132, 136, 137, 138, 140, 142) are among them and do
// nothing.
bool runMonsterSkill(BattleState& state, const SkillUse& use);
