#include "battle/battle_setup.h"

#include "battle/report/report_output.h"
#include "battle/skills/passives.h"
#include "common/sjis.h"
#include "platform/clock.h"
#include "platform/paths.h"

namespace {

// A fresh state: a state reused for many battles keeps nothing of the last.
void resetState(BattleState& state) {
  state.digestFile.close();
  state.debugFile.close();
  state.log.text.clear();
  state.log.lineCount = 0;
  state.cues.clear();
  state.memoryReport.clear();
  state.enemyStats = {};
  state.partyStats = {};
  state.rng = {};
  state.namedCount = state.actionLimit = state.actionCount = 0;
  state.actorIndex = state.targetIndex = 0;
  state.actionCode = state.skillLevel = state.replacedAction = 0;
  state.itemAlly = kPartyMember1;
  state.lastActionName = {};
  state.partyScore = state.enemyScore = 0;
  state.judgement = false;
}

void countNamed(BattleState& state, int index, SideStats& side) {
  const Combatant& c = state.combatants[index];
  if (nameOf(c).empty()) return;
  side.maxHpTotal += c.n[kMaxHp];
  ++state.namedCount;
}

}  // namespace

void setUpBattle(BattleState& state, Combatant* combatants, OutputFile* reportFile, OutputFile* summaryFile,
                 const BattleOptions& options) {
  resetState(state);
  state.sink = options.sink;
  state.partyFileFaults = options.partyFileFaults;
  state.recordCues = options.recordCues;
  state.stats = options.stats;
  if (state.stats != nullptr) clearBattleStats(*state.stats);
  state.reportFile = reportFile;
  state.summaryFile = summaryFile;
  // The working folder, and the files every battle appends to.
  state.workingFolder = options.workingFolder.empty() && options.sink == ReportSink::Files
                            ? currentDirectory()
                            : options.workingFolder;
  if (options.sink == ReportSink::Files) {
    state.debugFile = OutputFile::append(joinPath(state.workingFolder, "debug.txt"));
    state.digestFile = OutputFile::append(joinPath(state.workingFolder, "digest.html"));
  }
  // The combatants, and untouched snapshots that the write-back starts from.
  state.combatants = combatants;
  for (int i = 0; i < kCombatantCount; ++i) state.snapshots[i] = combatants[i];
  // The named members fix the battle's length. Party member 3 is a guest the
  // game has never counted here (nor in the end check or the rings): stored
  // parties are balanced on that, so it stays out.
  countNamed(state, kPartyMember1, state.partyStats);
  countNamed(state, kPartyMember2, state.partyStats);
  for (int i = 0; i < 3; ++i) countNamed(state, i, state.enemyStats);
  state.actionLimit = state.namedCount * 6;
  // The report's header.
  if (reportFile != nullptr) {
    copyHeader(*reportFile, state.workingFolder);
    reportFile->write("<center>■戦闘詳細■</center><br>\n"_sj);
  }
  // Absent enemies 2 and 3 (indices 1 and 2) never act; the leader is never
  // marked.
  for (int i = 1; i < 3; ++i) {
    if (combatants[i].n[kHp] < 1) combatants[i].n[kGauge] = -1;
  }
  // The generator is seeded before anything draws; then clean slots and the
  // start-of-battle passives.
  seedRandom(state.rng, options.seed ? *options.seed : secondsNow());
  for (int i = 0; i < kCombatantCount; ++i) {
    for (Int& slot : combatants[i].skillState) slot = 0;
    applyStartPassive(state, i);
  }
}
