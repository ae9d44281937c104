#include "battle/skill_effects.h"

void applySkillEffect(BattleState& state, Int code, int actorIndex, int targetIndex, Int skillLevel) {
  (void)state;
  (void)code;
  (void)actorIndex;
  (void)targetIndex;
  (void)skillLevel;
}
