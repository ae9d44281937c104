// The damage roll itself: the other rule tests use it as their reference.
#include "battle/turn/damage_roll.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A fresh generator (state 1) draws 41, then 18467.
TEST(DamageRoll, SpreadLevelAndTheSecondDraw) {
  // clang-format off
  struct Case { const char* what; int attack; int defence; int level; int damage; unsigned draws; };
  const Case cases[] = {
      {"41 % (40 / 4) + 40 - 10",                      40,  10, 0, 31, 1},
      {"the spread is at least 3: 41 % 3 + 8",          8,   0, 0, 10, 1},
      {"level 5 scales by 15 / 10: 1 + 60 - 10",       40,  10, 5, 51, 1},
      {"the scaling truncates: 41 % 6 + 27",           25,   0, 1, 32, 1},
      {"exactly 1 stays, without a second draw",       40,  40, 0,  1, 1},
      {"below 1: 18467 % 4 + 1 from a second draw",    40,  41, 0,  4, 2},
      {"a negative attack also ends on the second draw", -100, 0, 0, 4, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    auto state = std::make_unique<BattleState>();
    EXPECT_EQ(damageRoll(*state, c.attack, c.defence, c.level), c.damage) << c.what;
    EXPECT_EQ(state->rng.draws, c.draws) << c.what;
  }
}

}  // namespace
