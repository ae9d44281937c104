// Many battles of one match in memory, for game balancing: no file is
// touched and no report text is made (the Discard sink).
#pragma once

#include <cstdint>
#include <string>

#include "battle/battle_state.h"

// The six combatants of a match, as loaded once.
struct Match {
  Combatant combatants[kCombatantCount]{};
};

struct SimulationTally {
  long wins = 0;
  long annihilations = 0;
  long judgementWins = 0;
  long judgementLosses = 0;
  long faults = 0;
  long long turns = 0;
};

// Loads the match of a working folder: the enemies of its Bridge.txt and the
// party files. False when Bridge.txt is missing or unusable.
bool loadMatch(const std::string& folder, Match& match);

// Fights the match `battles` times with the seeds firstSeed, firstSeed + 1, ...
// on `threads` threads, each with a state of its own; the tally does not
// depend on the number of threads.
SimulationTally simulateBattles(const Match& match, std::uint32_t firstSeed, long battles, int threads = 1);
