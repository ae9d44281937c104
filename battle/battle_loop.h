// The turns of a battle, from the first to the end check that stops it.
#pragma once

#include "battle/battle_state.h"

// Runs turns until one side is down, the action limit is reached or nobody
// can ever act again.
void runBattleLoop(BattleState& state);

// One turn; false when no combatant can act any more (no turn was played).
bool playTurn(BattleState& state);

// The end-of-turn check: true when a side is down. Otherwise it counts the
// action, is true when the count reaches the action limit, and writes the
// interim report every namedCount actions.
bool countActionAndCheckEnd(BattleState& state);
