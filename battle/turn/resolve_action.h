// The resolution of one turn's action: reactions, hit check, items, the
// target's passives, the action itself and its MP cost.
#pragma once

#include "battle/battle_state.h"

// Resolves the turn's action as the state holds it: `actionCode` (0 or a
// skill id) and `skillLevel` of `actorIndex` on `targetIndex`. The counter
// and 天子光臨 change actor and target in the state.
void resolveAction(BattleState& state);
