#include "battle/turn/target_choice.h"

#include <gtest/gtest.h>

#include "support/battle_builder.h"
#include "wanted_draws.h"

namespace {

TEST(TargetChoice, AFallenPickPassesOnWithTheWrap) {
  // clang-format off
  struct Case { int actor; int draw; bool alive[3]; int target; };
  const Case cases[] = {
      {0, 2, {true,  true,  false}, 3},  // party member 3 down: wrap to member 1
      {1, 1, {true,  false, false}, 3},
      {2, 0, {false, false, false}, 5},  // nobody standing: the third without a test
      {3, 2, {false, true,  false}, 1},  // wrap from 3 to 0, then on to 1
      {5, 1, {false, true,  true }, 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    TestBattle battle;
    for (int i = 0; i < 6; ++i) battle.combatants[i] = makeCombatant("c", {{kHp, 10}});
    const int side = c.actor > 2 ? 0 : 3;
    for (int k = 0; k < 3; ++k) battle.combatants[side + k].n[kHp] = c.alive[k] ? 10 : 0;
    BattleState& state = battle.setUp();
    forceDraws(state.rng, {{3, c.draw}});
    std::uint32_t before = state.rng.draws;
    EXPECT_EQ(chooseTarget(state, c.actor), c.target) << c.actor << " " << c.draw;
    EXPECT_EQ(state.rng.draws - before, 1u);
  }
}

}  // namespace
