#include "battle/turn/reactions.h"

#include <utility>

#include "battle/report/report_output.h"
#include "battle/skills/passive_ids.h"
#include "battle/turn/action_code.h"
#include "common/sjis.h"

void checkParalysis(BattleState& state) {
  Int& slot = state.combatants[state.actorIndex].skillState[paralysed];
  if (slot != 1) return;
  state.actionCode = Paralysed;
  slot = 0;
}

void checkCounter(BattleState& state) {
  if (state.combatants[state.targetIndex].skillState[counterReady] != 1) return;
  logActionHeader(state, nameOf(state.combatants[state.actorIndex]), {}, state.actorIndex);
  appendLogLine(state, "★　　カウンター発動！<br>\n"_sj);
  std::swap(state.actorIndex, state.targetIndex);
  state.actionCode = NormalAttack;
  state.combatants[state.actorIndex].skillState[counterReady] = 0;
}

void checkSatori(BattleState& state) {
  Int& slot = state.combatants[state.targetIndex].skillState[satoriReady];
  if (slot != 1) return;
  logActionHeader(state, nameOf(state.combatants[state.actorIndex]), {}, state.actorIndex);
  playSoundCue(state, "ef008.mp3");
  appendLogLine(state, "★　　さとり発動！<br>\n"_sj);
  appendLogLine(state, "そんな攻撃は何の意味も無いのだ・・・<br>\n"_sj);
  slot = 0;
}

void checkAngel(BattleState& state) {
  Int& charges = state.combatants[state.targetIndex].skillState[angelCharges];
  if (charges < 1) return;
  --charges;
  state.targetIndex = state.actorIndex;
  appendLogLine(state, "★　　天子光臨！<br>\n"_sj);
}

void checkTargetPassive(BattleState& state) {
  Int held = state.combatants[state.targetIndex].n[kPassive];
  if (held == passive::skillCancel && state.actionCode > 0) {
    if (randomBelow(state, 100) < 20) state.actionCode = SkillCancelled;
  } else if (held == passive::deflect) {
    if (randomBelow(state, 100) < 20) state.actionCode = Deflected;
  } else if (held == passive::cloneImage) {
    if (randomBelow(state, 100) < 20) state.actionCode = Evaded;
  }
}
