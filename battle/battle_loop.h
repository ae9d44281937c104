// The turns of a battle, from the first to the end check that stops it.
#pragma once

#include "battle/battle_state.h"

// Runs turns until one side is down, the action limit is reached or nobody
// can ever act again.
void runBattleLoop(BattleState& state);

// One turn; false when no combatant can act any more (no turn was played).
bool playTurn(BattleState& state);

// The end check after a turn: true when the battle is over; writes the
// interim report every namedCount turns.
bool battleIsOver(BattleState& state);
