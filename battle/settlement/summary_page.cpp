#include "battle/settlement/summary_page.h"

#include <algorithm>

#include "battle/report/report_output.h"
#include "common/sjis.h"
#include "common/text_format.h"
#include "platform/clock.h"

namespace {

constexpr std::int32_t kMostLivesShown = 999;

std::string localTimeText() {
  LocalTime t = localTimeNow();
  return formatText("%04d/%02d/%02d　%02d:%02d:%02d"_sj,
                    {t.year, t.month, t.day, t.hour, t.minute, t.second});
}

void writeDigestLine(BattleState& state, std::string_view mark) {
  if (!state.digestFile.isOpen()) return;
  const std::string time = localTimeText();
  std::string line =
      formatText("<br>%s　%sと遭遇。 "_sj, {std::string_view(time), nameOf(state.combatants[kEnemyLeader])});
  line += mark;
  appendFormatted(line, "　%d　-　%d"_sj, {state.partyScore, state.enemyScore});
  state.digestFile.write(line);
}

}  // namespace

std::string_view outcomeMark(const BattleState& state) {
  const bool behind = state.partyScore < state.enemyScore;
  if (state.judgement) return behind ? "▲"_sj : "△"_sj;
  return behind ? "●"_sj : "○"_sj;
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
  // "</tablet>" is no typo to mend: browsers ignore the unknown end tag, and
  // the pages the host keeps have always ended with these exact bytes.
  out.write("</tr>\n</tablet>\n</html>");
}

void writeSummaryPage(BattleState& state) {
  if (!usesFiles(state) || state.summaryFile == nullptr) return;
  OutputFile& summary = *state.summaryFile;
  const std::string_view mark = outcomeMark(state);
  copyHeader(summary, state.workingFolder);
  summary.write("<br><br>\n");
  std::string markLine = "<br>";
  markLine += mark;
  appendFormatted(markLine, "　%d　－　%d　<br>\n"_sj, {state.partyScore, state.enemyScore});
  summary.write(markLine);
  writeDigestLine(state, mark);
  summary.write(formatText("（決まり手：%s）<br><br>\n"_sj, {state.lastActionName}));
  summary.write("残りライフ："_sj);
  // A crafted file may claim two billion lives; the page shows at most 999
  // stars rather than writing gigabytes.
  const Int lives = std::min(state.combatants[kPartyMember1].n[kLives], Int(kMostLivesShown));
  std::string stars;
  for (Int i = 0; i < lives; ++i) stars += "☆"_sj;
  summary.write(stars);
  summary.write("<br><br>\n");
  writeStatisticsTable(state);
}
