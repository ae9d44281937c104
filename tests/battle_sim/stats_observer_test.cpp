// Collecting the simulator's statistics changes no draw and no outcome.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "battle/battle_stats.h"
#include "battle/run_battle.h"
#include "sim_folder.h"
#include "support/fixture_runner.h"

namespace {

TEST(StatsObserver, CollectingChangesNoDraw) {
  const std::string folders[] = {std::string(EXAMPLES_DIR) + "/working_folder",
                                 (fixturePath("skills_monsters") / "input").string(),
                                 (fixturePath("skills_51_to_100_damage") / "input").string()};
  for (const std::string& folder : folders) {
    auto match = std::make_unique<SimFolder>();
    std::string error;
    ASSERT_TRUE(loadSimFolder(folder, {}, *match, error)) << error;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      auto plain = std::make_unique<BattleState>();
      auto counted = std::make_unique<BattleState>();
      auto a = std::make_unique<Combatant[]>(kCombatantCount);
      auto b = std::make_unique<Combatant[]>(kCombatantCount);
      for (int k = 0; k < kCombatantCount; ++k) a[k] = b[k] = match->combatants[k];
      BattleStats stats;
      BattleOptions options;
      options.sink = ReportSink::Discard;
      options.seed = seed;
      auto outcomeA = runBattle(*plain, a.get(), nullptr, nullptr, options);
      options.stats = &stats;
      auto outcomeB = runBattle(*counted, b.get(), nullptr, nullptr, options);
      EXPECT_EQ(outcomeA, outcomeB) << folder << " seed " << seed;
      EXPECT_EQ(plain->rng.draws, counted->rng.draws) << folder << " seed " << seed;
      EXPECT_EQ(plain->rng.state, counted->rng.state) << folder << " seed " << seed;
      EXPECT_GT(stats.actions, 0) << folder << " seed " << seed;
    }
  }
}

}  // namespace
