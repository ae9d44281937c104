// Whole battles of the real program, one small fixture per way a battle ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// clang-format off
const char* const kFixtures[] = {
    "combat_win",                  // the leader falls; money, experience, a level-up
    "combat_annihilation",         // members 1 and 2 fall with lives left
    "combat_game_over_wipe",       // the same on the last life: kadmo/ovr.txt
    "combat_judgement_draw",       // nobody hits: equal scores at the limit, won on points
    "combat_game_over_judgement",  // lost on points on the last life: ovr.txt
    "combat_fault",                // no named party member: the first interim report faults
    "combat_never_ending",         // nobody before the absent enemy 2 can act: settled at once
};
// clang-format on

class CombatFixtures : public ::testing::TestWithParam<const char*> {};

TEST_P(CombatFixtures, MatchFixture) { EXPECT_TRUE(runFixture(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Fixtures, CombatFixtures, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) { return std::string(info.param); });

// A wipe-out in a folder whose path holds "sim" (exactly, case-sensitive)
// also writes the enemy leader's name to debug.txt.
TEST(CombatBattles, AnnihilationInASimFolderWritesTheDebugLine) {
  const std::pair<const char*, bool> folders[] = {{"simulation01", true}, {"Simulation01", false}};
  for (const auto& [name, written] : folders) {
    TestFolder root;
    fs::path folder = fs::path(root.path()) / name;
    fs::copy(fixturePath("combat_annihilation") / "input", folder, fs::copy_options::recursive);
    EXPECT_EQ(runProgramIn("battle", folder, "202"), 1);
    std::string debug = readFileBytes(folder / "debug.txt");
    EXPECT_EQ(debug.rfind("\x91\x53\x96\xC5\x81\x46", 0) == 0, written) << name << ": " << cp932ToUtf8(debug);
    if (written) {
      EXPECT_TRUE(debug.ends_with("<br>\r\n")) << cp932ToUtf8(debug);
    }
  }
}

}  // namespace
