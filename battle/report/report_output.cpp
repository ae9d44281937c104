#include "battle/report/report_output.h"

#include "common/sjis.h"
#include "platform/paths.h"

void appendLogLine(BattleState& state, std::string_view text) {
  ++state.log.lineCount;
  if (keepsText(state)) state.log.text += text;
}

void appendLogFormat(BattleState& state, std::string_view format, std::initializer_list<TextArg> args) {
  ++state.log.lineCount;
  if (keepsText(state)) appendFormatted(state.log.text, format, args);
}

void playSoundCue(BattleState& state, std::string_view cue) {
  if (state.recordCues) state.cues.push_back(cue);
}

void logActionHeader(BattleState& state, std::string_view name, std::string_view skillName, int actorIndex) {
  if (isPartyMember(actorIndex)) {
    appendLogFormat(state, "<br><font color=blue>--->　%sの攻撃！</font><br>\n"_sj, {name});
    playSoundCue(state, "ef002.mp3");
  } else {
    appendLogFormat(state, "<br><font color=red><---　%sの攻撃！<br></font>\n"_sj, {name});
    playSoundCue(state, "ef003.mp3");
  }
  if (!skillName.empty()) {
    playSoundCue(state, "ef004.mp3");
    appendLogFormat(state, "☆　　%s発動！<br>\n"_sj, {skillName});
  }
}

void playHitCue(BattleState& state, std::string_view cue, int actorIndex) {
  if (!cue.empty()) {
    playSoundCue(state, cue);
  } else {
    playSoundCue(state, isPartyMember(actorIndex) ? "ef005.mp3" : "ef006.mp3");
  }
}

void logDamage(BattleState& state, std::string_view targetName, int targetIndex, Int damage,
               Int remainingHp) {
  appendLogFormat(state, "　　　%sは%dのダメージを受けた。<br>\n"_sj, {targetName, damage});
  if (state.stats != nullptr) {
    countDamage(*state.stats, state.actorIndex, targetIndex, state.actionCode.v, damage.v, remainingHp.v);
  }
  SideStats& side = isPartyMember(targetIndex) ? state.partyStats : state.enemyStats;
  side.damageTaken += damage;
  if (side.largestHit < damage) side.largestHit = damage;
  if (remainingHp > 0) return;
  if (isPartyMember(targetIndex)) {
    appendLogFormat(state, "<br>%s、戦闘不能！<br>\n"_sj, {targetName});
  } else {
    appendLogFormat(state, "<br>%sを倒した！！<br><br>\n"_sj, {targetName});
  }
  ++side.knockOuts;
}

void writeReport(BattleState& state, std::string_view text) {
  if (state.sink == ReportSink::Memory) state.memoryReport += text;
  if (state.reportFile != nullptr) state.reportFile->write(text);
}

void flushLog(BattleState& state) {
  writeReport(state, state.log.text);
  state.log.text.clear();
  state.log.lineCount = 0;
}

void copyHeader(OutputFile& file, const std::string& folder) {
  copyFileBytes(joinPath(folder, "head.dat"), file);
}
