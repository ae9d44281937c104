#include "battle/fault_path.h"

#include "battle/report/report_output.h"
#include "common/sjis.h"
#include "common/text_format.h"
#include "platform/paths.h"

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

void writeBattleLog(const std::string& folder, std::string_view text) {
  OutputFile log = OutputFile::append(joinPath(folder, "battle.log"));
  if (!log.isOpen()) return;
  log.write(text);
  log.write("<br>\n");
}
