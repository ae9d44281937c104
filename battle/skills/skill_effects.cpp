#include "battle/skills/skill_effects.h"

#include "battle/skills/active_skills.h"
#include "battle/skills/monster_skills.h"
#include "battle/skills/skill_catalogue.h"

SkillEffect skillEffect(Int id) {
  if (id >= kFirstActiveSkill && id <= kLastActiveSkill) return activeSkillEffect(id.v);
  if (id >= kFirstMonsterSkill && id <= kLastSkill) return monsterSkillEffect(id.v);
  return nullptr;
}

void applySkillEffect(BattleState& state, Int code, int actorIndex, int targetIndex, Int skillLevel) {
  SkillEffect effect = skillEffect(code);
  if (effect != nullptr) effect(state, SkillUse{actorIndex, targetIndex, code, skillLevel});
}
