// The normal attack (code 0) with its chance of a critical hit.
#pragma once

#include "battle/battle_state.h"

// One draw for the critical hit, then the hit on the current target, capped
// at the target's HP.
void runNormalAttack(BattleState& state);
