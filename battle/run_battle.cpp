#include "battle/run_battle.h"

#include "battle/battle_loop.h"
#include "battle/battle_setup.h"
#include "battle/fault_path.h"
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
