#include "battle/turn/resolve_action.h"

#include "battle/skills/skill_catalogue.h"
#include "battle/skills/skill_effects.h"
#include "battle/turn/action_code.h"
#include "battle/turn/hit_check.h"
#include "battle/turn/item_decision.h"
#include "battle/turn/item_use.h"
#include "battle/turn/normal_attack.h"
#include "battle/turn/reactions.h"

namespace {

// A skill counts for the actor's side; a passive reaction for the other
// side, also when 天子光臨 made the actor its own target.
void countActivation(BattleState& state) {
  const bool partyActs = isPartyMember(state.actorIndex);
  Int code = state.actionCode;
  if (code > 0) {
    ++(partyActs ? state.partyStats : state.enemyStats).skillActivations;
  } else if (code == action::skillCancelled || code == action::deflected || code == action::evaded) {
    ++(partyActs ? state.enemyStats : state.partyStats).skillActivations;
  }
}

// The simulator's view of the same activation: a skill for its user, a
// reaction for the combatant whose passive reacted, and against the skill it
// stopped.
void countActivationStats(BattleStats& stats, const BattleState& state, Int drawn) {
  const Int code = state.actionCode;
  if (code > 0) {
    ++stats.combatants[state.actorIndex].skillActivations;
    if (SkillStats* row = skillStatsRow(stats, code.v, state.actorIndex)) ++row->activations;
  } else if (code == action::skillCancelled || code == action::deflected || code == action::evaded) {
    ++stats.combatants[state.targetIndex].skillActivations;
    if (drawn <= 0) return;
    if (SkillStats* row = skillStatsRow(stats, drawn.v, state.actorIndex)) ++row->reactions;
  }
}

void dispatch(BattleState& state) {
  Int code = state.actionCode;
  if (code > 0) {
    applySkillEffect(state, code, state.actorIndex, state.targetIndex, state.skillLevel);
  } else if (code == action::normalAttack) {
    runNormalAttack(state);
  } else {
    runNegativeCode(state);
  }
}

}  // namespace

void resolveAction(BattleState& state) {
  checkParalysis(state);
  checkCounter(state);
  checkSatori(state);
  checkAngel(state);
  checkHit(state);
  decideItemUse(state);
  const Int drawn = state.actionCode;
  checkTargetPassive(state);
  countActivation(state);
  if (state.stats != nullptr) countActivationStats(*state.stats, state, drawn);
  if (state.actionCode >= 0) state.lastActionName = skillName(state.actionCode);
  dispatch(state);
  // Only a skill that ran pays: a miss, a reaction or an item use costs nothing.
  if (state.actionCode > 0) {
    state.combatants[state.actorIndex].n[kMp] -= skillCost(state.actionCode);
    if (state.stats != nullptr)
      state.stats->combatants[state.actorIndex].mpSpent += skillCost(state.actionCode).v;
  }
}
