// Battles in memory: the same seeds give the same battles whatever the sink
// and however many threads fight them, and no file is touched.
#include "tools/simulation/simulation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "battle/run_battle.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace {

std::string copyOfSample(const TestFolder& folder) {
  for (const auto& [file, bytes] : folderContents(std::filesystem::path(EXAMPLES_DIR) / "working_folder")) {
    std::filesystem::create_directories((std::filesystem::path(folder.path()) / file).parent_path());
    writeFileBytes(std::filesystem::path(folder.path()) / file, bytes);
  }
  return folder.path();
}

TEST(Simulation, TallyDependsOnTheSeedsOnly) {
  TestFolder folder;
  auto match = std::make_unique<Match>();
  ASSERT_TRUE(loadMatch(copyOfSample(folder), *match));
  auto before = folderContents(folder.path());
  SimulationTally one = simulateBattles(*match, 100, 60, 1);
  SimulationTally three = simulateBattles(*match, 100, 60, 3);
  EXPECT_EQ(one.wins, three.wins);
  EXPECT_EQ(one.annihilations, three.annihilations);
  EXPECT_EQ(one.judgementWins, three.judgementWins);
  EXPECT_EQ(one.judgementLosses, three.judgementLosses);
  EXPECT_EQ(one.turns, three.turns);
  EXPECT_EQ(one.wins + one.annihilations + one.judgementWins + one.judgementLosses + one.faults, 60);
  EXPECT_EQ(folderContents(folder.path()), before);
}

TEST(Simulation, DiscardingTheReportChangesNoDraw) {
  TestFolder folder;
  auto match = std::make_unique<Match>();
  ASSERT_TRUE(loadMatch(copyOfSample(folder), *match));
  for (std::uint32_t seed : {1u, 2u, 3u, 12345u}) {
    Combatant discarded[kCombatantCount], kept[kCombatantCount];
    for (int k = 0; k < kCombatantCount; ++k) discarded[k] = kept[k] = match->combatants[k];
    auto a = std::make_unique<BattleState>();
    auto b = std::make_unique<BattleState>();
    BattleOptions options;
    options.seed = seed;
    options.sink = ReportSink::Discard;
    auto outcomeA = runBattle(*a, discarded, nullptr, nullptr, options);
    options.sink = ReportSink::Memory;
    auto outcomeB = runBattle(*b, kept, nullptr, nullptr, options);
    EXPECT_EQ(outcomeA, outcomeB) << seed;
    EXPECT_EQ(a->rng.draws, b->rng.draws) << seed;
    EXPECT_EQ(a->rng.state, b->rng.state) << seed;
    EXPECT_TRUE(a->memoryReport.empty());
    EXPECT_FALSE(b->memoryReport.empty());
  }
}

}  // namespace
