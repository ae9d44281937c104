// Many battles at once: as programs in separate working folders, and as
// battles of the engine library on threads of one process. Each must equal
// the same battle fought alone.
#include <gtest/gtest.h>

#include <regex>

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

}  // namespace
