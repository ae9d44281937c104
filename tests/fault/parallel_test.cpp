// Many battles at once: as programs in separate working folders, and as
// battles of the engine library on threads of one process. Each must equal
// the same battle fought alone.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <regex>
#include <thread>

#include "battle/bridge_file.h"
#include "battle/combatant_files.h"
#include "battle/run_battle.h"
#include "fault/fault_run.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// digest.html holds the local time of its run.
std::map<std::string, std::string> withoutTimes(std::map<std::string, std::string> entries) {
  static const std::regex time("[0-9]{4}/[0-9]{2}/[0-9]{2}\x81\x40[0-9]{2}:[0-9]{2}:[0-9]{2}");
  for (auto& [name, bytes] : entries) bytes = std::regex_replace(bytes, time, "time");
  return entries;
}

TEST(ParallelBattles, ProgramsInSeparateFoldersEachMatchTheirLoneRun) {
  const char* fixtures[] = {"sample_battle", "combat_win", "combat_annihilation", "combat_judgement_draw"};
  constexpr int kCopies = 4;
  std::vector<std::unique_ptr<TestFolder>> folders;
  std::vector<std::string> seeds;
  std::vector<int> children;
  for (const char* fixture : fixtures) {
    std::string text = readFileBytes(fixturePath(fixture) / "seed");
    std::string seed = text.substr(0, text.find_first_of("\r\n"));
    for (int copy = 0; copy < kCopies; ++copy) {
      folders.push_back(std::make_unique<TestFolder>());
      copyFixtureInput(fixture, folders.back()->path());
      seeds.push_back(seed);
    }
  }
  for (std::size_t i = 0; i < folders.size(); ++i)
    children.push_back(startFaulted("battle", folders[i]->path(), {}, seeds[i]));
  for (int child : children) EXPECT_EQ(waitFaulted(child).exitCode, 1);
  for (std::size_t f = 0; f < std::size(fixtures); ++f) {
    SCOPED_TRACE(fixtures[f]);
    TestFolder alone;
    copyFixtureInput(fixtures[f], alone.path());
    ASSERT_EQ(runFaulted("battle", alone.path(), {}, seeds[f * kCopies]).exitCode, 1);
    auto expected = withoutTimes(snapshot(alone.path()));
    for (int copy = 0; copy < kCopies; ++copy)
      EXPECT_EQ(withoutTimes(snapshot(folders[f * kCopies + copy]->path())), expected);
  }
}

// One battle of the engine and everything it leaves: the outcome, the draws,
// the report text and the six combatants.
struct EngineBattle {
  std::optional<Outcome> outcome;
  std::uint32_t draws = 0;
  std::string report;
  std::vector<Combatant> combatants;
};

EngineBattle fight(const Combatant* match, std::uint32_t seed) {
  auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
  for (int i = 0; i < kCombatantCount; ++i) combatants[i] = match[i];
  auto state = std::make_unique<BattleState>();
  BattleOptions options;
  options.seed = seed;
  options.sink = ReportSink::Memory;
  EngineBattle battle;
  battle.outcome = runBattle(*state, combatants.get(), nullptr, nullptr, options);
  battle.draws = state->rng.draws;
  battle.report = state->memoryReport;
  battle.combatants.assign(combatants.get(), combatants.get() + kCombatantCount);
  return battle;
}

bool operator==(const EngineBattle& a, const EngineBattle& b) {
  return a.outcome == b.outcome && a.draws == b.draws && a.report == b.report &&
         std::memcmp(a.combatants.data(), b.combatants.data(), sizeof(Combatant) * kCombatantCount) == 0;
}

TEST(ParallelBattles, EngineBattlesOnThreadsEachMatchTheirLoneRun) {
  const char* fixtures[] = {"sample_battle", "combat_win", "combat_fault", "skills_monsters"};
  constexpr int kSeeds = 12;
  constexpr int kThreads = 8;
  std::vector<std::vector<Combatant>> matches;
  for (const char* fixture : fixtures) {
    std::string folder = (fixturePath(fixture) / "input").string();
    auto bridge = readBridgeFile(folder);
    ASSERT_TRUE(bridge) << fixture;
    std::vector<Combatant> match(kCombatantCount);
    loadCombatants(folder, *bridge, match.data());
    matches.push_back(match);
  }
  struct Task {
    std::size_t match;
    std::uint32_t seed;
  };
  std::vector<Task> tasks;
  for (std::size_t m = 0; m < matches.size(); ++m)
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) tasks.push_back({m, seed * 7919});
  std::vector<EngineBattle> alone, together(tasks.size());
  for (const Task& task : tasks) alone.push_back(fight(matches[task.match].data(), task.seed));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (std::size_t i = t; i < tasks.size(); i += kThreads)
        together[i] = fight(matches[tasks[i].match].data(), tasks[i].seed);
    });
  }
  for (auto& thread : threads) thread.join();
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    EXPECT_TRUE(together[i] == alone[i]) << fixtures[tasks[i].match] << " seed " << tasks[i].seed;
  }
}

}  // namespace
