#include "battle/settlement/judgement.h"

#include "battle/report/report_output.h"
#include "common/sjis.h"

namespace {

// One side's score: its remaining HP, the damage it dealt and its knock-outs.
Int sideScore(const SideStats& own, const SideStats& opponent) {
  Int score = own.hpTotal * 10 / own.maxHpTotal + opponent.damageTaken * 3 / opponent.maxHpTotal +
              opponent.knockOuts * 2;
  return score < 0 ? Int(0) : score;
}

}  // namespace

void refreshHpTotals(BattleState& state) {
  const Combatant* c = state.combatants;
  state.partyStats.hpTotal = c[3].n[kHp] + c[4].n[kHp] + c[5].n[kHp];
  state.enemyStats.hpTotal = c[0].n[kHp] + c[1].n[kHp] + c[2].n[kHp];
}

void updateJudgementScores(BattleState& state) {
  state.partyScore = sideScore(state.partyStats, state.enemyStats);
  state.enemyScore = sideScore(state.enemyStats, state.partyStats);
}

void writeInterimReport(BattleState& state) {
  appendLogLine(state, "<br><br>■　途中経過　■<br>\n"_sj);
  refreshHpTotals(state);
  updateJudgementScores(state);
  if (state.partyScore > state.enemyScore) {
    appendLogLine(state, "<font color=red>○　優勢　○</font><br><br>\n"_sj);
  } else {
    appendLogLine(state, "<font color=red>○　劣勢　○</font><br><br>\n"_sj);
  }
  flushLog(state);
}
