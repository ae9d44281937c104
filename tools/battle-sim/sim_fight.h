// Fights a match many times in memory on several threads. Each battle is
// fought from the seed alone, and the totals are integer sums, so the result
// does not depend on the number of threads or on which thread fought what.
#pragma once

#include <cstdint>
#include <vector>

#include "battle/combatant.h"
#include "progress_bar.h"
#include "sim_tally.h"

struct FightPlan {
  const Combatant* combatants = nullptr;  // the six, as loaded and changed
  std::int64_t firstSeed = 1;
  std::int64_t battles = 0;
  int threads = 1;
  bool keepMarks = false;  // keep every battle's outcome, in seed order
  ProgressBar* progress = nullptr;
  std::int64_t progressBase = 0;  // battles of the command already done
};

struct Fight {
  SimTally tally;
  std::vector<BattleMark> marks;  // by battle, when kept
  double seconds = 0;
};

Fight fightBattles(const FightPlan& plan);

// One battle with the statistics collected: its mark, counters and party
// change. `state` and `combatants` are scratch space of the caller.
struct BattleState;
BattleMark fightOneBattle(BattleState& state, Combatant* combatants, const Combatant* match,
                          std::uint32_t seed, BattleStats& stats, PartyChange& party);
