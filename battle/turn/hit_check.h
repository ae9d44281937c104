// The hit check of every action.
#pragma once

#include "battle/battle_state.h"

// One draw of 0..99 against the actor's hit rate minus the target's evasion;
// a draw above it turns the code into Miss and keeps the replaced code.
void checkHit(BattleState& state);
