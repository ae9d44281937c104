#include "battle/skills/skill_choice.h"

#include <gtest/gtest.h>

#include "support/battle_builder.h"
#include "wanted_draws.h"

namespace {

struct Choice {
  TestBattle battle;
  BattleState* state;
  Combatant& actor() { return battle.combatants[3]; }
  explicit Choice(std::initializer_list<FieldValue> fields) {
    battle.combatants[3] = makeCombatant("A", fields);
    state = &battle.setUp();
  }
  Int choose(int r1, int r2, int r3) {
    forceDraws(state->rng, {{101, r1}, {101, r2}, {101, r3}});
    std::uint32_t before = state->rng.draws;
    chooseSkill(*state, 3);
    EXPECT_EQ(state->rng.draws - before, 3u);
    return state->actionCode;
  }
};

TEST(SkillChoice, LowestSurvivingRollWinsAndTiesGoToTheEarlierSlot) {
  // Skills 1, 2, 3 all have rate 25; levels 4, 5, 6.
  // clang-format off
  struct Case { int r1, r2, r3; int code; int level; };
  const Case cases[] = {
      {10, 10, 5,  3, 6}, {10, 10, 30, 1, 4}, {30, 24, 24, 2, 5}, {24, 25, 25, 1, 4},
      {25, 25, 25, 0, 0}, {100, 100, 100, 0, 0}, {0, 0, 0, 1, 4},
  };
  // clang-format on
  for (const Case& c : cases) {
    Choice choice({{kHp, 10},
                   {kMp, 50},
                   {kSkill1, 1},
                   {kSkill2, 2},
                   {kSkill3, 3},
                   {kSkillLevel1, 4},
                   {kSkillLevel2, 5},
                   {kSkillLevel3, 6}});
    EXPECT_EQ(choice.choose(c.r1, c.r2, c.r3), c.code) << c.r1 << " " << c.r2 << " " << c.r3;
    if (c.code != 0) {
      EXPECT_EQ(choice.state->skillLevel, c.level);
    }
  }
}

TEST(SkillChoice, TheCostMustBeCovered) {
  Choice enough({{kHp, 10}, {kMp, 5}, {kSkill1, 4}});  // 一文字切り costs 5
  EXPECT_EQ(enough.choose(0, 50, 50), 4);
  Choice short_({{kHp, 10}, {kMp, 4}, {kSkill1, 4}});
  EXPECT_EQ(short_.choose(0, 50, 50), 0);
}

TEST(SkillChoice, BonusAndBoostLowerTheRolls) {
  // An empty slot that survives by the bonus and rolls lowest is a normal attack.
  Choice empty({{kHp, 10}, {kMp, 50}, {kSkillBonus, 30}, {kSkill2, 44}});
  EXPECT_EQ(empty.choose(10, 20, 100), 0);
  Choice bonus({{kHp, 10}, {kMp, 50}, {kSkillBonus, 30}, {kSkill2, 44}});
  EXPECT_EQ(bonus.choose(50, 20, 100), 44);
  // Boost 1: a roll of 44 survives rate 25 (44 - 20 < 25); the boost is used up.
  Choice boost({{kHp, 10}, {kMp, 50}, {kSkill1, 1}});
  boost.actor().skillState[slot::skillRateBoost] = 1;
  EXPECT_EQ(boost.choose(44, 100, 100), 1);
  EXPECT_EQ(boost.actor().skillState[slot::skillRateBoost], 0);
  EXPECT_EQ(boost.choose(44, 100, 100), 0);
}

TEST(SkillChoice, AValueOutsideTheCatalogueIsNoSkill) {
  Choice outside({{kHp, 10}, {kMp, 50}, {kSkillBonus, 50}, {kSkill1, 999}, {kSkill2, -7}});
  EXPECT_EQ(outside.choose(10, 20, 100), 0);
  Choice passive({{kHp, 10}, {kMp, 50}, {kSkillBonus, 50}, {kSkill1, 105}});
  EXPECT_EQ(passive.choose(10, 100, 100), 105);
}

TEST(SkillChoice, ABlockedSkillBecomesANormalAttack) {
  Choice heal({{kHp, 51}, {kMaxHp, 100}, {kMp, 50}, {kSkill1, 27}});
  EXPECT_EQ(heal.choose(0, 100, 100), 0);
  heal.actor().n[kHp] = 50;
  EXPECT_EQ(heal.choose(0, 100, 100), 27);
}

TEST(SkillChoice, GatesAtTheirThresholds) {
  // clang-format off
  struct Case { int skill; int hp; int maxHp; int slot; int mark; int rings; bool blocked; };
  const Case cases[] = {
      {  6, 10, 100, slot::sorrowSongUses, 2, 0, false}, {  6, 10, 100, slot::sorrowSongUses, 3, 0, true},
      { 19, 10, 100, slot::damageField,    1, 0, false}, { 19, 10, 100, slot::damageField,    2, 0, true},
      { 23, 10, 100, slot::poisoned,       1, 0, false}, { 23, 10, 100, slot::poisoned,       3, 0, true},
      { 27, 50, 101, 0,              0, 0, false}, { 27, 51, 101, 0,              0, 0, true},
      { 40, 10, 100, slot::windBarrierUsed,1, 0, true},  { 44,  2, 100, 0,              0, 0, false},
      { 44,  1, 100, 0,              0, 0, true},  { 63, 51, 100, 0,              0, 0, true},
      { 71, 40, 100, 0,              0, 0, false}, { 71, 41, 100, 0,              0, 0, true},
      { 94, 25, 100, 0,              0, 0, false}, { 94, 26, 100, 0,              0, 0, true},
      { 94, 10, 100, slot::finalStrikeUsed,1, 0, true},  { 97, 30, 100, 0,              0, 0, false},
      { 97, 31, 100, 0,              0, 0, true},  {143, 70, 100, 0,              0, 0, false},
      {143, 69, 100, 0,              0, 0, true},  {143, 90, 100, slot::holyWindUses,   3, 0, true},
      {144, 10, 100, slot::judgementUses,  1, 0, false}, {144, 10, 100, slot::judgementUses,  2, 0, true},
      {146, 10, 100, 0,              0, 1, true},  {146, 10, 100, slot::monsterFinalStrikeUsed, 1, 0, true},
      {146, 10, 100, 0,              0, 0, false}, {  1,  1, 100, 0,              0, 9, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    Combatant actor = makeCombatant("A", {{kHp, c.hp}, {kMaxHp, c.maxHp}, {kPhoenixRings, c.rings}});
    for (Int& slot : actor.skillState) slot = 0;
    if (c.slot != 0) actor.skillState[c.slot] = c.mark;
    EXPECT_EQ(skillGateBlocks(actor, c.skill), c.blocked) << c.skill << " " << c.hp << " " << c.mark;
  }
}

}  // namespace
