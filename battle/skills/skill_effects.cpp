#include "battle/skills/skill_effects.h"

#include "battle/skills/active_skills.h"
#include "battle/skills/monster_skills.h"
#include "battle/skills/skill_shapes.h"

void applySkillEffect(BattleState& state, Int code, int actorIndex, int targetIndex, Int skillLevel) {
  const SkillUse use{actorIndex, targetIndex, code, skillLevel};
  if (runShapedSkill(state, use)) return;
  if (runActiveSkill(state, use)) return;
  runMonsterSkill(state, use);  // passives 101..120 and unknown codes do nothing
}
