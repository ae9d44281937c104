// The automatic use of items: whether the actor heals itself, heals an ally
// or refills its MP instead of acting.
#pragma once

#include "battle/battle_state.h"

// Replaces the action code by an item code when the actor's policy and
// stocks call for it; sets `itemAlly` for the ally codes. No draw.
void decideItemUse(BattleState& state);
