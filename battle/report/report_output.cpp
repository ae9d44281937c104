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

void writeStatisticsTable(BattleState& state) {
  if (state.summaryFile == nullptr) return;
  OutputFile& out = *state.summaryFile;
  const SideStats& party = state.partyStats;
  const SideStats& enemy = state.enemyStats;
  struct Row {
    std::string_view name;
    Int partyValue;
    Int enemyValue;
  };
  // clang-format off
  const Row rows[] = {
      {"<td>総攻撃量</td>\n"_sj,       enemy.damageTaken,      party.damageTaken},
      {"<td>残りＨＰ合計</td>\n"_sj,   party.hpTotal,          enemy.hpTotal},
      {"<td>スキル発動回数</td>\n"_sj, party.skillActivations, enemy.skillActivations},
      {"<td>最大ＨＩＴ</td>\n"_sj,     enemy.largestHit,       party.largestHit},
  };
  // clang-format on
  out.write("<table width=300 border=2>\n<tr>\n");
  out.write("<td bgcolor=\"#ccffff\">味方</td>\n"_sj);
  out.write("<td bgcolor=\"#ccffff\">&nbsp;</td>\n");
  out.write("<td bgcolor=\"#ccffff\">敵</td>\n"_sj);
  out.write("</tr>\n<tr>\n");
  bool first = true;
  for (const Row& row : rows) {
    if (!first) out.write("</tr>\n<tr>\n");
    first = false;
    out.write(formatText("<td>%d</td>\n", {row.partyValue}));
    out.write(row.name);
    out.write(formatText("<td>%d</td>\n", {row.enemyValue}));
  }
  out.write("</tr>\n</tablet>\n</html>");
}

void writeBattleLog(const std::string& folder, std::string_view text) {
  OutputFile log = OutputFile::append(joinPath(folder, "battle.log"));
  if (!log.isOpen()) return;
  log.write(text);
  log.write("<br>\n");
}
