// The actor's upkeep after its turn: poison, the fields and the landmine.
#pragma once

#include "battle/battle_state.h"

// Applies the lasting effects on the actor, living or not. The damage is not
// capped, counts in no statistic and writes no defeat line.
void runUpkeep(BattleState& state, int actorIndex);
