// Battles per second of the engine on the sample match on one core: output
// discarded (simulations), discarded with the simulator's statistics
// collected, and with the report kept in memory.
#include <benchmark/benchmark.h>

#include <memory>

#include "battle/battle_stats.h"
#include "battle/run_battle.h"
#include "tools/simulation/simulation.h"

namespace {

void fightSample(benchmark::State& bench, ReportSink sink, bool collect) {
  auto match = std::make_unique<Match>();
  if (!loadMatch(EXAMPLES_DIR "/working_folder", *match)) {
    bench.SkipWithError("sample working folder missing");
    return;
  }
  auto state = std::make_unique<BattleState>();
  Combatant combatants[kCombatantCount];
  BattleOptions options;
  options.sink = sink;
  auto stats = std::make_unique<BattleStats>();
  if (collect) options.stats = stats.get();
  std::uint32_t seed = 1;
  for (auto _ : bench) {
    for (int k = 0; k < kCombatantCount; ++k) combatants[k] = match->combatants[k];
    options.seed = seed++;
    benchmark::DoNotOptimize(runBattle(*state, combatants, nullptr, nullptr, options));
  }
  bench.SetItemsProcessed(bench.iterations());
}

void BM_BattleDiscard(benchmark::State& bench) { fightSample(bench, ReportSink::Discard, false); }
void BM_BattleDiscardWithStats(benchmark::State& bench) { fightSample(bench, ReportSink::Discard, true); }
void BM_BattleMemoryReport(benchmark::State& bench) { fightSample(bench, ReportSink::Memory, false); }

}  // namespace

BENCHMARK(BM_BattleDiscard);
BENCHMARK(BM_BattleDiscardWithStats);
BENCHMARK(BM_BattleMemoryReport);
