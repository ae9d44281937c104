// Everything of one battle: its combatants, snapshots, files, the report
// lines of the turn, the statistics and the values of the current turn.
// Nothing of a battle lives outside it, so battles can run side by side.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "battle/battle_stats.h"
#include "battle/combatant.h"
#include "battle/random.h"
#include "platform/files.h"

struct SideStats {
  Int damageTaken;       // damage shown in damage lines for this side
  Int maxHpTotal;        // maximum HP of the side's named members at set-up
  Int hpTotal;           // HP of all three members, refreshed before scoring
  Int skillActivations;  // skills of the side, and its passive reactions
  Int knockOuts;         // damage lines that left a member at 0 HP or less
  Int largestHit;        // largest damage of one damage line for this side
};

// The report lines of the current turn. The whole text is kept in one
// buffer, so a turn may have any number of lines of any length.
struct BattleLog {
  std::string text;   // the lines, each ending in "\n"
  int lineCount = 0;  // lines appended since the last flush
};

// Where a battle's output goes, chosen once per battle by the caller.
enum class ReportSink {
  Files,    // the programs: report, summary, digest, debug, markers, write-back
  Memory,   // tests and tools: the report text collects in `memoryReport`; no file is touched
  Discard,  // simulations: no file is opened, read or written, no text is kept
};

// Party files that exist but could not be read at the start. They are not
// written back: a failing disk never turns a member into an empty record.
struct PartyFileFaults {
  bool unreadable[3] = {false, false, false};
};

struct BattleOptions {
  ReportSink sink = ReportSink::Files;
  std::optional<std::uint32_t> seed;  // none: the time in seconds
  std::string workingFolder;          // empty: the current directory
  bool recordCues = false;            // keep the sound cues in `cues` (tests)
  PartyFileFaults partyFileFaults;    // the files the write-back skips
  BattleStats* stats = nullptr;       // a simulator's counters, or null
};

struct BattleState {
  Combatant* combatants = nullptr;  // the entry's six, in index order
  Combatant snapshots[kCombatantCount];
  OutputFile* reportFile = nullptr;   // battle report, or null
  OutputFile* summaryFile = nullptr;  // summary page, or null
  OutputFile digestFile;
  OutputFile debugFile;
  std::string workingFolder;
  PartyFileFaults partyFileFaults;
  ReportSink sink = ReportSink::Files;
  bool recordCues = false;
  BattleStats* stats = nullptr;  // counters the rules add to; null unless a simulator collects

  BattleLog log;
  std::string memoryReport;            // the flushed report text, for ReportSink::Memory
  std::vector<std::string_view> cues;  // the sound cues played, when recorded
  SideStats enemyStats;
  SideStats partyStats;
  RandomGenerator rng;

  Int namedCount;
  Int actionLimit;
  Int actionCount;

  int actorIndex = 0;
  int targetIndex = 0;
  Int actionCode;
  Int skillLevel;
  int itemAlly = 3;
  Int replacedAction;
  std::string_view lastActionName;  // CP932; a skill name or the judgement word
  Int partyScore;
  Int enemyScore;
  bool judgement = false;
};

inline bool keepsText(const BattleState& state) { return state.sink != ReportSink::Discard; }
inline bool usesFiles(const BattleState& state) { return state.sink == ReportSink::Files; }

inline Int randomBelow(BattleState& state, Int n) { return randomBelow(state.rng, n); }
