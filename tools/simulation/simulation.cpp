#include "tools/simulation/simulation.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "battle/bridge_file.h"
#include "battle/combatant_files.h"
#include "battle/run_battle.h"

bool loadMatch(const std::string& folder, Match& match) {
  std::optional<BridgeFile> bridge = readBridgeFile(folder);
  if (!bridge) return false;
  for (int i = 0; i < 3; ++i) {
    if (bridge->lines[i].empty()) return false;
  }
  loadCombatants(folder, *bridge, match.combatants);
  return true;
}

namespace {

void fightRange(const Match& match, std::uint32_t firstSeed, long first, long end, SimulationTally& tally) {
  auto state = std::make_unique<BattleState>();
  Combatant combatants[kCombatantCount];
  BattleOptions options;
  options.sink = ReportSink::Discard;
  for (long i = first; i < end; ++i) {
    for (int k = 0; k < kCombatantCount; ++k) combatants[k] = match.combatants[k];
    options.seed = firstSeed + static_cast<std::uint32_t>(i);
    std::optional<Outcome> outcome = runBattle(*state, combatants, nullptr, nullptr, options);
    tally.turns += state->actionCount.v;
    if (!outcome) {
      ++tally.faults;
      continue;
    }
    switch (*outcome) {
      case Outcome::Win:
        ++tally.wins;
        break;
      case Outcome::Annihilation:
        ++tally.annihilations;
        break;
      case Outcome::JudgementWin:
        ++tally.judgementWins;
        break;
      case Outcome::JudgementLoss:
        ++tally.judgementLosses;
        break;
    }
  }
}

}  // namespace

SimulationTally simulateBattles(const Match& match, std::uint32_t firstSeed, long battles, int threads) {
  if (threads < 1) threads = 1;
  std::vector<SimulationTally> tallies(static_cast<std::size_t>(threads));
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    long first = battles * t / threads;
    long end = battles * (t + 1) / threads;
    workers.emplace_back(fightRange, std::cref(match), firstSeed, first, end, std::ref(tallies[t]));
  }
  SimulationTally total;
  for (int t = 0; t < threads; ++t) {
    workers[t].join();
    total.wins += tallies[t].wins;
    total.annihilations += tallies[t].annihilations;
    total.judgementWins += tallies[t].judgementWins;
    total.judgementLosses += tallies[t].judgementLosses;
    total.faults += tallies[t].faults;
    total.turns += tallies[t].turns;
  }
  return total;
}
