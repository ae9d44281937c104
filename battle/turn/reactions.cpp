#include "battle/turn/reactions.h"

#include <utility>

#include "battle/report/report_output.h"
#include "battle/skills/passive_ids.h"
#include "battle/turn/action_code.h"
#include "common/sjis.h"

void checkParalysis(BattleState& state) {
  Int& slot = state.combatants[state.actorIndex].skillState[slot::paralysed];
  if (slot != 1) return;
  state.actionCode = action::paralysed;
  slot = 0;
}

void checkCounter(BattleState& state) {
  if (state.combatants[state.targetIndex].skillState[slot::counterReady] != 1) return;
  logActionHeader(state, nameOf(state.combatants[state.actorIndex]), {}, state.actorIndex);
  appendLogLine(state, "★　　カウンター発動！<br>\n"_sj);
  std::swap(state.actorIndex, state.targetIndex);
  state.actionCode = action::normalAttack;
  state.combatants[state.actorIndex].skillState[slot::counterReady] = 0;
}

void checkSatori(BattleState& state) {
  Int& slot = state.combatants[state.targetIndex].skillState[slot::satoriReady];
  if (slot != 1) return;
  logActionHeader(state, nameOf(state.combatants[state.actorIndex]), {}, state.actorIndex);
  playSoundCue(state, "ef008.mp3");
  appendLogLine(state, "★　　さとり発動！<br>\n"_sj);
  appendLogLine(state, "そんな攻撃は何の意味も無いのだ・・・<br>\n"_sj);
  slot = 0;
}

void checkAngel(BattleState& state) {
  Int& charges = state.combatants[state.targetIndex].skillState[slot::angelCharges];
  if (charges < 1) return;
  --charges;
  state.targetIndex = state.actorIndex;
  appendLogLine(state, "★　　天子光臨！<br>\n"_sj);
}

void checkTargetPassive(BattleState& state) {
  Int held = state.combatants[state.targetIndex].n[kPassive];
  if (held == passive::skillCancel && state.actionCode > 0) {
    if (randomBelow(state, 100) < 20) state.actionCode = action::skillCancelled;
  } else if (held == passive::deflect) {
    if (randomBelow(state, 100) < 20) state.actionCode = action::deflected;
  } else if (held == passive::cloneImage) {
    if (randomBelow(state, 100) < 20) state.actionCode = action::evaded;
  }
}
