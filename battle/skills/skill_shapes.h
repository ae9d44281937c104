// The shapes most damage skills share, each skill one row of a table:
//   strike: one or more hits on the target; the first hit is rolled and
//           subtracted before the header, each further hit after the damage
//           line of the one before; capped at the target's HP or not;
//   sweep:  one header, then one capped hit on each living opponent in index
//           order (several passes for some skills).
#pragma once

#include "battle/battle_state.h"
#include "battle/skills/skill_helpers.h"

// The effects of the skills of these shapes, for the families' dispatch
// tables: each runs the row of its shape's table with the use's skill id.
void strike(BattleState& state, const SkillUse& use);
void sweep(BattleState& state, const SkillUse& use);
