#include "battle/run_battle.h"

#include "battle/battle_loop.h"
#include "battle/report/report_output.h"
#include "battle/settlement/outcome.h"
#include "common/sjis.h"
#include "common/text_format.h"

std::optional<Outcome> runBattle(BattleState& state, Combatant* combatants, OutputFile* reportFile,
                                 OutputFile* summaryFile, const BattleOptions& options) {
  try {
    setUpBattle(state, combatants, reportFile, summaryFile, options);
    runBattleLoop(state);
    return settleOutcome(state);
  } catch (const ArithmeticFault& fault) {
    runFaultPath(state, fault.code);
    return std::nullopt;
  }
}

void runFaultPath(BattleState& state, std::uint32_t faultCode) {
  // The turn's unflushed lines are lost, as the report stops at the fault.
  state.log.text.clear();
  state.log.lineCount = 0;
  writeReport(state, "32999<br>\n");
  if (!usesFiles(state)) return;
  if (state.reportFile != nullptr) state.reportFile->close();
  writeBattleLog(state.workingFolder,
                 formatText("Code：%X / Skill : %d act : %d tar : %d<br>\n"_sj,
                            {faultCode, state.actionCode, state.actorIndex, state.targetIndex}));
}
