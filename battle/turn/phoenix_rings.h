// The phoenix rings that revive fallen combatants at the end of a turn.
#pragma once

#include "battle/battle_state.h"

// Party members 1 and 2, then enemies 3, 2, 1 (indices 2, 1, 0): a fallen one
// with a ring is revived to full HP and loses the ring. Party member 3, the
// guest, is never revived: the game has always left it out, and stored
// parties are balanced on that.
void usePhoenixRings(BattleState& state);
