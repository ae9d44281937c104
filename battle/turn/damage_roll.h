// The damage of one hit, used by every attack of the battle.
#pragma once

#include "battle/battle_state.h"

// The damage of `attack` (the attacker's scaled attack value) against
// `defence` at skill level `level` (0 for attacks that are no skill): one
// draw of 0..max(attack / 4, 3) - 1, plus attack × (level + 10) / 10, less the
// defence; below 1, a second draw makes it 1..4.
Int damageRoll(BattleState& state, Int attack, Int defence, Int level);
