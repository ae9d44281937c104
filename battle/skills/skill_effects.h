// The effects of the skills 1..150: one entry point that the resolution
// dispatches every positive action code to.
#pragma once

#include "battle/battle_state.h"

// Runs the effect of skill `code` used by `actorIndex` on `targetIndex` at
// skill level `skillLevel`. A skill without an effect does nothing.
void applySkillEffect(BattleState& state, Int code, int actorIndex, int targetIndex, Int skillLevel);
