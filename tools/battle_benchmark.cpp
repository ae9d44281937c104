// Battles per second of the engine on the sample match, with output
// discarded (simulations) and with the report kept in memory.
#include <benchmark/benchmark.h>

#include <memory>

#include "battle/run_battle.h"
#include "tools/simulation/simulation.h"

namespace {

void fightSample(benchmark::State& bench, ReportSink sink) {
  auto match = std::make_unique<Match>();
  if (!loadMatch(EXAMPLES_DIR "/working_folder", *match)) {
    bench.SkipWithError("sample working folder missing");
    return;
  }
  auto state = std::make_unique<BattleState>();
  Combatant combatants[kCombatantCount];
  BattleOptions options;
  options.sink = sink;
  std::uint32_t seed = 1;
  for (auto _ : bench) {
    for (int k = 0; k < kCombatantCount; ++k) combatants[k] = match->combatants[k];
    options.seed = seed++;
    benchmark::DoNotOptimize(runBattle(*state, combatants, nullptr, nullptr, options));
  }
  bench.SetItemsProcessed(bench.iterations());
}

void BM_BattleDiscard(benchmark::State& bench) { fightSample(bench, ReportSink::Discard); }
void BM_BattleMemoryReport(benchmark::State& bench) { fightSample(bench, ReportSink::Memory); }

}  // namespace

BENCHMARK(BM_BattleDiscard);
BENCHMARK(BM_BattleMemoryReport);
