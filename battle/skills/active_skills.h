// The active skills 1..100 that fit no shared shape, one short function each.
#pragma once

#include "battle/battle_state.h"
#include "battle/skills/skill_helpers.h"

// Runs `use` when its skill is one of these; false otherwise. Skills without
// an effect (9, 42, 83, 95) are among them and do nothing.
bool runActiveSkill(BattleState& state, const SkillUse& use);
