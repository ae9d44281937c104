// The handlers of the negative action codes: misses, paralysis, the items
// and the target passives' reactions.
#pragma once

#include "battle/battle_state.h"

// Runs the handler of the current (negative) action code.
void runNegativeCode(BattleState& state);
