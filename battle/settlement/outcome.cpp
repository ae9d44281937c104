#include "battle/settlement/outcome.h"

#include <initializer_list>

#include "battle/report/report_output.h"
#include "battle/settlement/growth.h"
#include "battle/settlement/judgement.h"
#include "battle/settlement/summary_page.h"
#include "battle/settlement/write_back.h"
#include "common/sjis.h"
#include "common/text_format.h"
#include "platform/paths.h"

namespace {

// The settlement writes its lines straight into the report, not through the
// turn's lines.
void report(BattleState& state, std::string_view format, std::initializer_list<TextArg> args = {}) {
  if (!keepsText(state)) return;
  writeReport(state, formatText(format, args));
}

void scoreBothSides(BattleState& state) {
  refreshHpTotals(state);
  updateJudgementScores(state);
}

// The game-over marker; a folder that does not exist skips it silently.
void writeGameOverMarker(BattleState& state, std::string_view name) {
  if (state.stats != nullptr) state.stats->gameOver = true;
  if (!usesFiles(state)) return;
  OutputFile marker = OutputFile::create(joinPath(state.workingFolder, name));
  if (marker.isOpen()) marker.write("ゲームオーバー<br>\n"_sj);
}

void shareExperience(BattleState& state, int tenths) {
  Int share = state.combatants[kEnemyLeader].n[kExperience] * tenths / 10;
  for (int i = kPartyMember1; i <= kPartyMember3; ++i) state.combatants[i].n[kExperience] += share;
}

// At most one level per member and battle, applied to its snapshot.
void checkLevelUps(BattleState& state) {
  for (int i = kPartyMember1; i <= kPartyMember3; ++i) {
    const Combatant& member = state.combatants[i];
    if (!reachesNextLevel(member.n[kExperience], member.n[kLevel])) continue;
    report(state, "%sはレベルが上がった！<br>\n"_sj, {nameOf(member)});
    report(state, "%sは何かいろいろ上がった！<br>\n"_sj, {nameOf(member)});
    levelUp(state.rng, state.snapshots[i]);
  }
}

Int& partyLives(BattleState& state) { return state.combatants[kPartyMember1].n[kLives]; }

Outcome settleAnnihilation(BattleState& state) {
  const Combatant& leader = state.combatants[kEnemyLeader];
  // The host runs its test battles in folders whose path contains "sim"; a
  // plain substring test, so any path with those letters gets the line.
  if (state.debugFile.isOpen() && state.workingFolder.find("sim") != std::string::npos) {
    state.debugFile.write(formatText("全滅：%s<br>\n"_sj, {nameOf(leader)}));
  }
  report(state, "全滅しました。<br>\n"_sj);
  scoreBothSides(state);
  for (int i : {kPartyMember1, kPartyMember2}) {
    ++state.combatants[i].n[kWipeOuts];
    state.combatants[i].n[kMoney] += 1000;
  }
  if (--partyLives(state) <= 0) {
    report(state, "<br>ゲームオーバー。<br>\n"_sj);
    // The host names the subfolder with a backslash, as it writes every
    // path; joinPath turns it into the platform's separator.
    writeGameOverMarker(state, "kadmo\\ovr.txt");
    return Outcome::Annihilation;
  }
  report(state, "<br>ライフを１つ失いました。<br>\n"_sj);
  report(state, "%dの経験値を（一応）獲得。<br>\n"_sj, {leader.n[kExperience]});
  shareExperience(state, 8);
  checkLevelUps(state);
  return Outcome::Annihilation;
}

Outcome settleWin(BattleState& state) {
  const Combatant& leader = state.combatants[kEnemyLeader];
  scoreBothSides(state);
  for (int i = kPartyMember1; i <= kPartyMember3; ++i) {
    Combatant& member = state.combatants[i];
    member.n[kMoney] += member.n[kHp] + leader.n[kMoney];
    member.n[kExperience] += leader.n[kExperience];
  }
  for (int i = kPartyMember1; i <= kPartyMember3; ++i) ++state.combatants[i].n[kVictories];
  report(state, "%sを倒した！<br>\n"_sj, {nameOf(leader)});
  report(state, "%dペリー手に入れた。<br>\n"_sj, {leader.n[kMoney]});
  report(state, "%dの経験値を獲得。<br>\n"_sj, {leader.n[kExperience]});
  checkLevelUps(state);
  return Outcome::Win;
}

Outcome settleJudgement(BattleState& state) {
  state.judgement = true;
  report(state, "結果は判定に委ねられます。<br>\n"_sj);
  report(state, "<br>判定：<br><br>\n"_sj);
  scoreBothSides(state);
  const bool lost = state.partyScore < state.enemyScore;
  if (lost) {
    report(state, "<br>　%d　－　%d　<br>　判定負け<br>\n"_sj, {state.partyScore, state.enemyScore});
    report(state, "<br>ライフを１つ失いました。<br>\n"_sj);
  } else {
    report(state, "<br>　%d　－　%d　<br>　判定勝ち！<br>\n"_sj, {state.partyScore, state.enemyScore});
  }
  state.lastActionName = "判定"_sj;
  if (lost) --partyLives(state);
  const Outcome outcome = lost ? Outcome::JudgementLoss : Outcome::JudgementWin;
  // Also after a won judgement: a party without lives is over all the same.
  if (partyLives(state) <= 0) {
    report(state, "<br>ゲームオーバー。<br>\n"_sj);
    writeGameOverMarker(state, "ovr.txt");
    return outcome;
  }
  report(state, "%dの経験値を（一応）獲得。<br>\n"_sj, {state.combatants[kEnemyLeader].n[kExperience]});
  shareExperience(state, 9);
  checkLevelUps(state);
  return outcome;
}

Outcome decideAndSettle(BattleState& state) {
  const Combatant* c = state.combatants;
  if (!isAlive(c[kPartyMember1]) && !isAlive(c[kPartyMember2])) return settleAnnihilation(state);
  if (!isAlive(c[kEnemyLeader])) return settleWin(state);
  return settleJudgement(state);
}

}  // namespace

bool reachesNextLevel(Int experience, Int level) { return experience >= level * (level + 20); }

Outcome settleOutcome(BattleState& state) {
  const Outcome outcome = decideAndSettle(state);
  report(state, "</html>\n");
  if (state.reportFile != nullptr) state.reportFile->close();
  writeSummaryPage(state);
  writeBackParty(state);
  state.debugFile.close();
  state.digestFile.close();
  return outcome;
}
