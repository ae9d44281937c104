#include "battle/turn/upkeep.h"

#include <gtest/gtest.h>

#include "battle/turn/phoenix_rings.h"
#include "common/sjis_decode.h"
#include "support/battle_builder.h"
#include "wanted_draws.h"

namespace {

TEST(Upkeep, PoisonTruncatesTowardZero) {
  // clang-format off
  struct Case { int hp; int after; const char* line; };
  const Case cases[] = {
      {15,  15,  "　　　Aは毒により0ダメージ。<br>\n"},
      {-40, -38, "　　　Aは毒により-2ダメージ。<br>\n"},
      {100, 95,  "　　　Aは毒により5ダメージ。<br>\n"},
  };
  // clang-format on
  for (const Case& c : cases) {
    TestBattle battle;
    battle.combatants[3] = makeCombatant("A", {{kHp, c.hp}});
    BattleState& state = battle.setUp();
    battle.combatants[3].skillState[slot::poisoned] = 1;
    runUpkeep(state, 3);
    EXPECT_EQ(battle.combatants[3].n[kHp], c.after);
    EXPECT_EQ(cp932ToUtf8(state.log.text), c.line);
    EXPECT_EQ(state.rng.draws, 0u);
  }
}

TEST(Upkeep, FieldsThenTheMineWhichStaysSet) {
  TestBattle battle;
  battle.combatants[3] = makeCombatant("A", {{kHp, 500}});
  BattleState& state = battle.setUp();
  Combatant& a = battle.combatants[3];
  a.skillState[slot::poisoned] = 3;  // the caster of 毒霧 is not poisoned
  a.skillState[slot::damageField] = 1;
  a.skillState[slot::forceField] = 2;
  a.skillState[slot::divineDomain] = 1;
  a.skillState[slot::landmine] = 1;
  forceDraws(state.rng, {{10, 2}, {10, 3}});
  runUpkeep(state, 3);
  EXPECT_EQ(a.n[kHp], 500 - 10 - 80 - 50);
  EXPECT_EQ(cp932ToUtf8(state.log.text),
            "★　　ダメージフィールド！<br>\n　　　Aに10のダメージ。<br>\n"
            "★　　神の領域！<br>\n　　　Aに80のダメージ。<br>\n"
            "★　　地雷発動！<br>\n　　　Aに50のダメージ。<br>\n");
  EXPECT_EQ(state.partyStats.damageTaken, 0);
  runUpkeep(state, 3);  // the second draw, 3, is no hit
  EXPECT_EQ(a.n[kHp], 360 - 90);
  EXPECT_EQ(state.rng.draws, 2u);
}

TEST(PhoenixRings, RevivePartyMembersOneAndTwoAndTheEnemiesInOrder) {
  TestBattle battle;
  battle.combatants[0] = makeCombatant("E1", {{kHp, -5}, {kMaxHp, 70}, {kPhoenixRings, 1}});
  battle.combatants[3] = makeCombatant("P1", {{kHp, 0}, {kMaxHp, 90}, {kPhoenixRings, 2}});
  battle.combatants[5] = makeCombatant("P3", {{kHp, 0}, {kMaxHp, 90}, {kPhoenixRings, 2}});
  battle.combatants[4] = makeCombatant("P2", {{kHp, 0}, {kMaxHp, 90}});
  BattleState& state = battle.setUp();
  usePhoenixRings(state);
  EXPECT_EQ(battle.combatants[3].n[kHp], 90);
  EXPECT_EQ(battle.combatants[3].n[kPhoenixRings], 1);
  EXPECT_EQ(battle.combatants[5].n[kHp], 0);
  EXPECT_EQ(battle.combatants[4].n[kHp], 0);
  EXPECT_EQ(battle.combatants[0].n[kHp], 70);
  EXPECT_EQ(cp932ToUtf8(state.log.text),
            "□　　フェニックスリング使用！<br>\n　　　P1、復活！！<br>\n"
            "□　　フェニックスリング使用！<br>\n　　　E1、復活！！<br>\n");
}

}  // namespace
