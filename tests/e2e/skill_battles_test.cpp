// Whole battles of the real program in which many skills and passives fire,
// compared byte for byte with their recorded folders.
#include <gtest/gtest.h>

#include "support/fixture_runner.h"

namespace {

class SkillBattles : public ::testing::TestWithParam<const char*> {};

TEST_P(SkillBattles, MatchFixture) { EXPECT_TRUE(runFixture(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Fixtures, SkillBattles,
                         ::testing::Values("skills_1_to_50_damage", "skills_1_to_50_support",
                                           "skills_51_to_100_damage", "skills_51_to_100_support",
                                           "skills_monsters"));

}  // namespace
