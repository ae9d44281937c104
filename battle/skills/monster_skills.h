// The monster skills 121..150: their dispatch table, and the effects that fit
// no shared shape, one short function each.
#pragma once

#include "battle/skills/skill_effects.h"

// The table's effect for a monster skill id 121..150; null for a skill
// without an effect.
SkillEffect monsterSkillEffect(int id);
