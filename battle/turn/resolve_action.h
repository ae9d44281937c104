// The resolution of one turn's action: reactions, hit check, items, the
// target's passives, the action itself and its MP cost.
#pragma once

#include "battle/battle_state.h"

// Resolves the action `actionCode` (0 or a skill id) of `actorIndex` on
// `targetIndex`. The turn's values are kept in the state, where the counter
// and 天子光臨 change actor and target.
void resolveAction(BattleState& state, int actorIndex, int targetIndex, Int actionCode, Int skillLevel);
