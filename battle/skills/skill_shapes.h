// The shapes most damage skills share, each skill one row of a table:
//   strike: one or more hits on the target; the first hit is rolled and
//           subtracted before the header, each further hit after the damage
//           line of the one before; capped at the target's HP or not;
//   sweep:  one header, then one capped hit on each living opponent in index
//           order (several passes for some skills).
#pragma once

#include "battle/battle_state.h"
#include "battle/skills/skill_helpers.h"

// Runs `use` when its skill is a strike or a sweep; false for any other skill.
bool runShapedSkill(BattleState& state, const SkillUse& use);
