#include "battle/settlement/growth.h"

#include <gtest/gtest.h>

#include "support/battle_builder.h"
#include "wanted_draws.h"

namespace {

CharacterRecord member(std::initializer_list<FieldValue> fields) {
  Combatant c = makeCombatant("M", fields);
  return c;
}

TEST(Growth, DrawsPerLevelFollowTheLevelAndTheJob) {
  // clang-format off
  struct Case { int job; int level; bool emptySlot1; unsigned draws; };
  const Case cases[] = {
      {0, 4, false, 5},   // HP, MP, three skill draws
      {0, 5, false, 9},   // and the four stats from level 6
      {0, 9, true, 11},   // two HP draws, the catch-up's pool draw
      {16, 5, false, 7},  // magic growth 0: no draw, a gain of 1
      {17, 9, true, 0},   // a job outside the tables
      {-1, 5, false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    CharacterRecord r = member({{kLevel, c.level},
                                {kJob, c.job},
                                {kMagicAttack, 5},
                                {kMaxHp, 999},
                                {kMaxMp, 999},
                                {kAttack, 999},
                                {kSkill1, c.emptySlot1 ? 0 : 82}});
    RandomGenerator rng;
    levelUp(rng, r);
    EXPECT_EQ(rng.draws, c.draws) << c.job << " " << c.level;
    EXPECT_EQ(r.n[kLevel], c.level + 1);
    EXPECT_EQ(r.n[kHp], r.n[kMaxHp]);
    EXPECT_EQ(r.n[kMp], r.n[kMaxMp]);
    if (c.job == 16) {
      EXPECT_EQ(r.n[kMagicAttack], 6);
    }
    if (c.emptySlot1 && c.job == 0) {
      EXPECT_NE(r.n[kSkill1], 0);
    }
  }
}

TEST(Growth, GainsAreDrawnInTheirOrder) {
  // Job 2 (HP 14, MP 4, attack 6, defence 4, magic 2, 1) from level 9 to 10.
  CharacterRecord r = member({{kLevel, 9},
                              {kJob, 2},
                              {kMaxHp, 1000},
                              {kMaxMp, 1000},
                              {kAttack, 1000},
                              {kSkill1, 82},
                              {kSkill2, 2},
                              {kSkillLevel2, 4}});
  RandomGenerator rng;
  RandomGenerator replay = rng;
  Int hp = randomBelow(replay, 14) + 1 + randomBelow(replay, 14);
  Int mp = randomBelow(replay, 4) + 1;
  Int attack = randomBelow(replay, 6) + 1;
  Int defence = randomBelow(replay, 4) + 1;
  Int magic = randomBelow(replay, 2) + 1;
  Int magicDefence = randomBelow(replay, 1) + 1;
  randomBelow(replay, 100);
  bool slot2Grows = randomBelow(replay, 100) < 35;
  levelUp(rng, r);
  EXPECT_EQ(r.n[kMaxHp], 1000 + hp);
  EXPECT_EQ(r.n[kMaxMp], 1000 + mp);
  EXPECT_EQ(r.n[kAttack], 1000 + attack);
  EXPECT_EQ(r.n[kDefence], defence);
  EXPECT_EQ(r.n[kMagicAttack], magic);
  EXPECT_EQ(r.n[kMagicDefence], 1);
  EXPECT_EQ(magicDefence, 1);
  EXPECT_EQ(r.n[kSkill2], slot2Grows ? 36 : 2);
}

// Sets the record so that after the level's gains the values stand where the
// worked example has them when the catch-up runs.
CharacterRecord beforeCatchUp(int level, int maxHp, int maxMp, int attack, RandomGenerator rng) {
  Int hp = randomBelow(rng, 10) + 1;
  if (level >= 10) hp += randomBelow(rng, 10);
  Int mp = randomBelow(rng, 4) + 1;
  Int atk = randomBelow(rng, 4) + 1;
  return member({{kLevel, level - 1},
                 {kJob, 0},
                 {kMaxHp, maxHp - hp.v},
                 {kMaxMp, maxMp - mp.v},
                 {kAttack, attack - atk.v},
                 {kSkill1, 82}});
}

TEST(Growth, CatchUpAtATenthLevel) {
  RandomGenerator rng;
  CharacterRecord r = beforeCatchUp(10, 130, 40, 50, rng);
  levelUp(rng, r);
  EXPECT_EQ(r.n[kMaxHp], 145);  // target 161
  EXPECT_EQ(r.n[kMaxMp], 48);   // target 57
  EXPECT_EQ(r.n[kAttack], 56);  // target 62
  EXPECT_EQ(r.n[kHp], 145);

  RandomGenerator twenty;
  CharacterRecord high = beforeCatchUp(20, 171, 500, 500, twenty);
  levelUp(twenty, high);
  EXPECT_EQ(high.n[kMaxHp], 271);  // target 371
  EXPECT_EQ(high.n[kMaxMp], 500);  // above its target: unchanged
  RandomGenerator close;
  CharacterRecord almost = beforeCatchUp(10, 160, 40, 50, close);
  levelUp(close, almost);
  EXPECT_EQ(almost.n[kMaxHp], 160);  // half of 1 is 0
}

TEST(Growth, EvolutionOfASlot) {
  // clang-format off
  struct Case { int skill, counter; int roll; int skillAfter, counterAfter; unsigned draws; };
  const Case cases[] = {
      { 2, 4, -1, 36, 1, 0},
      { 2, 0, -1,  2, 1, 0},
      { 2, 7, -1, 36, 1, 0},  // above 5 counts as 5
      {82, 4, -1, 82, 1, 0},  // no row: the skill stays
      { 0, 3, -1,  0, 3, 0},
      { 1, 4, 45, 43, 1, 1},
      { 1, 4, 99, 66, 1, 1},
      {28, 4, 33, 64, 1, 1},
      {15, 4, 80,100, 1, 1},
      { 1, 3, -1,  1, 4, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    RandomGenerator rng;
    if (c.roll >= 0) forceDraws(rng, {{100, c.roll}});
    Int skill = c.skill, counter = c.counter;
    evolveSkill(rng, skill, counter);
    EXPECT_EQ(skill, c.skillAfter) << c.skill << " " << c.counter;
    EXPECT_EQ(counter, c.counterAfter) << c.skill << " " << c.counter;
    EXPECT_EQ(rng.draws, c.draws) << c.skill << " " << c.counter;
  }
}

}  // namespace
