// Whole battles of the real program, one small fixture per way a battle ends.
#include <gtest/gtest.h>

#include "support/fixture_runner.h"

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

TEST(CombatBattles, FixturesMatch) {
  for (const char* name : kFixtures) EXPECT_TRUE(runFixture(name)) << name;
}

}  // namespace
