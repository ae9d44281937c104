// The choice of the actor's skill among its three slots, and the gates that
// turn a chosen skill back into a normal attack.
#pragma once

#include "battle/battle_state.h"

// Sets `actionCode` (0 or a skill id) and `skillLevel` for the actor's turn.
// Always three draws; uses up the actor's skillRateBoost.
void chooseSkill(BattleState& state, int actorIndex);

// True when the gate of `skill` blocks it for `actor`.
bool skillGateBlocks(const Combatant& actor, Int skill);
