#include "battle/battle_loop.h"

#include "battle/report/report_output.h"
#include "battle/settlement/judgement.h"
#include "battle/skills/passives.h"
#include "battle/skills/skill_choice.h"
#include "battle/turn/actor_choice.h"
#include "battle/turn/phoenix_rings.h"
#include "battle/turn/resolve_action.h"
#include "battle/turn/target_choice.h"
#include "battle/turn/upkeep.h"

bool playTurn(BattleState& state) {
  std::optional<int> actor = chooseActor(state);
  if (!actor) {
    if (state.stats != nullptr) state.stats->noActorLeft = true;
    return false;
  }
  if (state.stats != nullptr) ++state.stats->actions;
  state.actorIndex = *actor;
  state.combatants[*actor].n[kGauge] = 0;
  chooseSkill(state, *actor);
  state.targetIndex = chooseTarget(state, *actor);
  resolveAction(state);
  applyAfterActionPassives(state, state.actorIndex, state.targetIndex);
  runUpkeep(state, state.actorIndex);
  usePhoenixRings(state);
  flushLog(state);
  return true;
}

bool countActionAndCheckEnd(BattleState& state) {
  const Combatant* c = state.combatants;
  if (!isAlive(c[0]) && !isAlive(c[1]) && !isAlive(c[2])) return true;
  // Party member 3, the guest, does not keep the battle going on its own.
  if (!isAlive(c[kPartyMember1]) && !isAlive(c[kPartyMember2])) return true;
  ++state.actionCount;
  if (state.actionCount == state.actionLimit) return true;
  // With no named combatant this divides by zero: the fault path ends it.
  if (state.actionCount % state.namedCount == 0) writeInterimReport(state);
  return false;
}

void runBattleLoop(BattleState& state) {
  // A battle in which nobody can reach 100 any more goes straight to the
  // settlement instead of ticking for ever.
  while (playTurn(state)) {
    if (countActionAndCheckEnd(state)) return;
  }
}
