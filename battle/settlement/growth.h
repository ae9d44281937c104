// Character growth after a battle: one level-up with the job's gains, the
// catch-up every tenth level, skill growth and evolution.
#pragma once

#include "battle/random.h"
#include "common/character_record.h"

// One level for `record` (a party member's snapshot), drawing from `rng` in
// the game's order. A job outside the tables gains the level and the refill
// only.
void levelUp(RandomGenerator& rng, CharacterRecord& record);

// One growth step of a skill slot: the counter rises to 5, when the skill
// turns into its evolution (one draw for the rows that pick by chance) and
// the counter starts at 1 again. An empty slot stays as it is.
void evolveSkill(RandomGenerator& rng, Int& skill, Int& counter);
