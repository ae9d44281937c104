#include "battle/turn/hit_check.h"

#include "battle/turn/action_code.h"

void checkHit(BattleState& state) {
  const Combatant& actor = state.combatants[state.actorIndex];
  const Combatant& target = state.combatants[state.targetIndex];
  Int margin = actor.n[kHitRate] - target.n[kEvasion];
  if (randomBelow(state, 100) > margin) {
    state.replacedAction = state.actionCode;
    state.actionCode = action::miss;
  }
}
