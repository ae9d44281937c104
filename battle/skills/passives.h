// Passive skills 101..120: a dispatch table with one row per id, giving the
// effect on the holder when the battle starts and the effect after the
// holder's own action (either may be none).
#pragma once

#include "battle/battle_state.h"

// The start-of-battle effect of the passive skill of combatant `index`.
void applyStartPassive(BattleState& state, int index);

// After each action, with the actor and target as the resolution left them:
// the revival by the target's passive 103, then the actor's own passive.
void applyAfterActionPassives(BattleState& state, int actorIndex, int targetIndex);
