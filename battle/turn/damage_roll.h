// The damage of one hit, used by every attack of the battle.
#pragma once

#include "battle/battle_state.h"

// a: the attacker's scaled attack value, b: the defence subtracted, c: the
// skill level (0 for attacks that are no skill). One draw, and a second one
// when the result would be below 1; the result is at least 1.
Int damageRoll(BattleState& state, Int a, Int b, Int c);
