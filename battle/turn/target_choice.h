// The choice of the target on the other side of the actor.
#pragma once

#include "battle/battle_state.h"

// One draw; a fallen pick passes to the next member of that side, wrapping,
// and the third candidate is taken without a test.
int chooseTarget(BattleState& state, int actorIndex);
