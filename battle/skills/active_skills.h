// The active skills 1..100: their dispatch table, and the effects that fit no
// shared shape, one short function each.
#pragma once

#include "battle/skills/skill_effects.h"

// The table's effect for an active skill id 1..100; null for a skill without
// an effect.
SkillEffect activeSkillEffect(int id);
