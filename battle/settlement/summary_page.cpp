#include "battle/settlement/summary_page.h"

#include <algorithm>

#include "battle/report/report_output.h"
#include "battle/settlement/outcome.h"
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
