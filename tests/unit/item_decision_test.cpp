#include "battle/turn/item_decision.h"

#include <gtest/gtest.h>

#include "battle/turn/action_code.h"
#include "support/battle_builder.h"

namespace {

struct Case {
  const char* what;
  int actor;
  int policy;
  int hp, mp;  // of the actor; maxima 100 for everyone
  int bottles, elixirs, magic;
  int allyHp[2];  // the two other members of the actor's side, in cyclic order after it
  int code;
  int itemAlly;  // checked for the ally codes
};

// clang-format off
const Case kCases[] = {
    {"weak self before weak ally elixir",  3, 0,  20, 100, 1, 1, 0, {35, 10},   action::elixirSelf,     4},
    {"half HP is not below half",          3, 0,  50, 100, 1, 0, 0, {100, 100}, action::normalAttack,   0},
    {"policy 0 bottle at 45 %",            3, 0,  45, 100, 1, 0, 0, {100, 100}, action::lifeBottleSelf, 0},
    {"magic bottle replaces the heal",     3, 0,  45,  39, 1, 0, 1, {100, 100}, action::magicBottle,    0},
    {"MP at the threshold keeps the heal", 3, 0,  45,  40, 1, 0, 1, {100, 100}, action::lifeBottleSelf, 0},
    {"healthy enemy keeps its MP low",     0, 0, 100,   0, 1, 1, 1, {10, 10},   action::normalAttack,   0},
    {"healthy member refills for an ally", 4, 0, 100,   0, 1, 0, 1, {100, 10},  action::magicBottle,    0},
    {"ally helped before self",            4, 0,  45, 100, 1, 0, 0, {100, 49},  action::lifeBottleAlly, 3},
    {"weak ally gets the elixir",          5, 0, 100, 100, 1, 1, 0, {20, 10},   action::elixirAlly,     3},
    {"a fallen ally is passed over",       3, 0, 100, 100, 1, 1, 0, {0, 10},    action::elixirAlly,     5},
    {"policy 1 at 39 %",                   3, 1,  39, 100, 1, 0, 0, {100, 100}, action::lifeBottleSelf, 0},
    {"policy 1 at 40 %",                   3, 1,  40, 100, 1, 0, 0, {100, 100}, action::normalAttack,   0},
    {"policy 2 at 29 %, MP at 19 %",       3, 2,  29,  19, 1, 0, 1, {100, 100}, action::magicBottle,    0},
    {"policy 2 at 30 %",                   3, 2,  30, 100, 1, 1, 1, {100, 100}, action::normalAttack,   0},
    {"policy 3 never uses an item",        3, 3,   1,   0, 9, 9, 9, {1, 1},     action::normalAttack,   0},
    {"no life bottle, no elixir",          3, 0,   1, 100, 0, 9, 9, {1, 1},     action::normalAttack,   0},
    {"enemy elixir on itself",             1, 0,  20, 100, 1, 1, 0, {1, 1},     action::elixirSelf,     0},
};
// clang-format on

TEST(ItemDecision, PolicyStocksAndAllies) {
  for (const Case& c : kCases) {
    TestBattle battle;
    for (int i = 0; i < 6; ++i) battle.combatants[i] = makeCombatant("c", {{kHp, 100}, {kMaxHp, 100}});
    Combatant& actor = battle.combatants[c.actor];
    actor = makeCombatant("actor", {{kHp, c.hp},
                                    {kMaxHp, 100},
                                    {kMp, c.mp},
                                    {kMaxMp, 100},
                                    {kItemPolicy, c.policy},
                                    {kLifeBottles, c.bottles},
                                    {kElixirs, c.elixirs},
                                    {kMagicBottles, c.magic}});
    const int side = c.actor > 2 ? 3 : 0;
    for (int step = 1; step <= 2; ++step) {
      battle.combatants[side + (c.actor - side + step) % 3].n[kHp] = c.allyHp[step - 1];
    }
    BattleState& state = battle.setUp();
    state.actorIndex = c.actor;
    state.actionCode = action::normalAttack;
    std::uint32_t before = state.rng.draws;
    decideItemUse(state);
    EXPECT_EQ(state.actionCode, c.code) << c.what;
    if (c.code == action::lifeBottleAlly || c.code == action::elixirAlly) {
      EXPECT_EQ(state.itemAlly, c.itemAlly) << c.what;
    }
    EXPECT_EQ(state.rng.draws, before) << c.what;
  }
}

}  // namespace
