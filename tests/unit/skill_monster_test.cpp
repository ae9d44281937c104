// Monster skills 121..150: fixed combatants, silent effects and the traps of
// their conditions and floors.
#include "skill_test_kit.h"

namespace {

constexpr Int kLevel = 2;

SkillBattle& ready(SkillBattle& b, std::uint32_t seed = 7) {
  makeSides(b, 1000);
  giveAttack(b, 0);
  b.setUp(seed);
  return b;
}

// A seed whose first draw of randomBelow(4) is or is not 0.
std::uint32_t seedWhereFirstQuarterIs(bool zero) {
  for (std::uint32_t seed = 1;; ++seed) {
    RandomGenerator rng;
    seedRandom(rng, seed);
    if ((randomBelow(rng, 4) == 0) == zero) return seed;
  }
}

TEST(MonsterSkills, SilentSkillsWriteNothing) {
  for (Int code : {122, 127, 132, 136, 137, 138, 140, 142}) {
    SkillBattle b;
    ready(b);
    b.use(code, 0, 3, kLevel);
    EXPECT_EQ(b.text(), "") << code.v;
    EXPECT_TRUE(b.cues().empty());
    EXPECT_EQ(b.draws(), 0u);
  }
}

TEST(MonsterSkills, RussianRouletteTakesALifeAndTheLastOneFellsMemberOne) {
  struct Case {
    Int lives;
    Int livesAfter;
    Int hpAfter;
  };
  for (const Case& c : {Case{1, 0, 0}, Case{3, 2, 300}}) {
    SkillBattle b;
    makeSides(b, 1000);
    b[3].n[kLives] = c.lives;
    b.setUp(seedWhereFirstQuarterIs(true));
    b.use(126, 0, 4, kLevel);
    EXPECT_EQ(b[3].n[kLives], c.livesAfter);
    EXPECT_EQ(b[3].n[kHp], c.hpAfter);
    EXPECT_EQ(b.text(), enemyHeader("Orc", "ロシアンルーレット") + "　　　ばきゅーん！！！<br>\n" +
                            "　　　Hero,ライフ喪失！<br>\n");
  }
  SkillBattle b;
  ready(b, seedWhereFirstQuarterIs(false));
  b.use(126, 0, 3, kLevel);
  EXPECT_EQ(b.text(), enemyHeader("Orc", "ロシアンルーレット") + "　　　はずれ！！<br>\n");
  EXPECT_EQ(b.draws(), 1u);
}

TEST(MonsterSkills, DeathScytheHalvesWithoutADefeatLine) {
  for (auto [before, after] : {std::pair{1, 0}, {301, 150}}) {
    SkillBattle b;
    ready(b);
    b[3].n[kHp] = before;
    b.use(124, 0, 3, kLevel);
    EXPECT_EQ(b[3].n[kHp], after);
    EXPECT_EQ(b.text(), enemyHeader("Orc", "デスサイズ") + "　　　HPの半分を切り落とされた！<br>\n");
  }
}

// The actor's HP is read again at each member: a party actor empties itself
// first and then takes nothing from the members after it.
TEST(MonsterSkills, AllCancelTakesTheActorsHpFromEveryLivingMemberSilently) {
  SkillBattle b;
  ready(b);
  b[0].n[kHp] = 50;
  b[3].n[kHp] = 30;
  b[4].n[kHp] = 0;
  b.use(130, 0, 3, kLevel);
  EXPECT_EQ(b[3].n[kHp], 0);
  EXPECT_EQ(b[4].n[kHp], 0);
  EXPECT_EQ(b[5].n[kHp], 250);
  EXPECT_EQ(b.text(), "");
  EXPECT_EQ(b.state->partyStats.damageTaken, 0);

  SkillBattle p;
  ready(p);
  p[4].n[kHp] = 50;
  p.use(130, 4, 0, kLevel);
  EXPECT_EQ(p[3].n[kHp], 250);
  EXPECT_EQ(p[4].n[kHp], 0);
  EXPECT_EQ(p[5].n[kHp], 300);
}

TEST(MonsterSkills, SouthernCrossNeedsAllThreeEnemiesAndFiresOncePerBattle) {
  SkillBattle b;
  ready(b);
  b[1].n[kAttack] = 50;
  b[2].n[kAttack] = 30;
  b.use(141, 1, 3, kLevel);  // any of the three may use it
  Int damage = b.roll(100, 20, kLevel);
  damage += b.roll(50, 20, kLevel);
  damage += b.roll(30, 20, kLevel);
  EXPECT_EQ(b.text(), damageLine("Hero", damage));
  EXPECT_EQ(b.cues(), std::vector<std::string>{});
  EXPECT_EQ(b[0].skillState[slot::southernCrossUsed], 1);
  EXPECT_EQ(b[1].skillState[slot::southernCrossUsed], 0);

  b.state->log.text.clear();
  b.use(141, 2, 3, kLevel);
  EXPECT_EQ(b.text(), "");

  SkillBattle down;
  ready(down);
  down[2].n[kHp] = 0;
  down.use(141, 0, 3, kLevel);
  EXPECT_EQ(down.text(), "");
  EXPECT_EQ(down.draws(), 0u);
}

TEST(MonsterSkills, HolyWindTakesSixtyEightPercentOfMaximumHpUncapped) {
  SkillBattle b;
  ready(b);
  b[3].n[kMaxHp] = 100;
  b[3].n[kHp] = 50;
  b.use(143, 0, 3, kLevel);
  EXPECT_EQ(b[3].n[kHp], -18);
  EXPECT_EQ(b.text(), enemyHeader("Orc", "ホーリーウィンド") + damageLine("Hero", 68) + memberDown("Hero"));
  EXPECT_EQ(b[0].skillState[slot::holyWindUses], 1);
}

// No member is left below 5 HP; a member below 5 is lifted to it.
TEST(MonsterSkills, JudgementFloorsEveryMemberAtFiveHp) {
  SkillBattle b;
  ready(b);
  b[3].n[kHp] = 3;
  b[4].n[kHp] = 0;  // not living: skipped
  b.use(144, 0, 5, kLevel);
  Int hero = b.roll(100, 20, kLevel);
  hero += b.roll(60, 30, kLevel);
  Int monk = b.roll(100, 0, kLevel);
  monk += b.roll(60, 0, kLevel);
  (void)hero;
  EXPECT_EQ(b[3].n[kHp], 5);
  EXPECT_EQ(b[4].n[kHp], 0);
  EXPECT_EQ(b[5].n[kHp], 300 - monk);
  EXPECT_EQ(b.text(),
            enemyHeader("Orc", "ジャッジメント") + damageLine("Hero", -2) + damageLine("Monk", monk));
  EXPECT_EQ(b[0].skillState[slot::judgementUses], 1);

  SkillBattle weak;
  ready(weak);
  weak[3].n[kHp] = 40;
  weak.use(144, 0, 3, kLevel);
  EXPECT_EQ(weak[3].n[kHp], 5);
}

TEST(MonsterSkills, FinalStrikeUsesTheTurnTargetsDefencesForEveryMember) {
  SkillBattle b;
  ready(b);
  b[0].n[kAttack] = 20;
  b[0].n[kMagicAttack] = 10;
  b[3].n[kHp] = 50;
  b.use(146, 0, 5, kLevel);  // Monk: defence 0, magic defence 0
  Int hero = b.roll(60, 0, kLevel);
  hero += b.roll(20, 0, kLevel);
  Int sage = b.roll(60, 0, kLevel);  // not Sage's own defence 10 and magic defence 50
  sage += b.roll(20, 0, kLevel);
  Int monk = b.roll(60, 0, kLevel);
  monk += b.roll(20, 0, kLevel);
  ASSERT_GE(hero, 50);
  EXPECT_EQ(b.text(), damageLine("Hero", 50) + memberDown("Hero") + damageLine("Sage", sage) +
                          damageLine("Monk", monk));
  EXPECT_EQ(b[0].n[kHp], 1);
  EXPECT_EQ(b[0].skillState[slot::monsterFinalStrikeUsed], 1);
}

TEST(MonsterSkills, CombatantOneIsIndexOne) {
  SkillBattle b;
  ready(b);
  b[1].n[kHp] = 100;
  b[1].n[kDefence] = 50;
  b[1].n[kMp] = 10;
  b[1].n[kMaxMp] = 12;
  b.use(134, 0, 3, kLevel);
  b.use(135, 0, 3, kLevel);
  b.use(139, 0, 3, kLevel);
  EXPECT_EQ(b[1].n[kDefence], 55);
  EXPECT_EQ(b[1].n[kHp], 130);
  EXPECT_EQ(b[1].n[kMp], 12);
  EXPECT_EQ(b[0].n[kDefence], 20);
  // 139 has no name: its header has no skill line.
  EXPECT_TRUE(b.text().ends_with(enemyHeader("Orc", "") + "　　　リーダーのMP回復。<br>\n"));
}

TEST(MonsterSkills, LeaderHealIsCutToMaximumHp) {
  SkillBattle b;
  ready(b);
  b[1].n[kHp] = 450;
  b.use(135, 0, 3, kLevel);
  EXPECT_EQ(b[1].n[kHp], 500);
}

TEST(MonsterSkills, TargetEffects) {
  SkillBattle b;
  ready(b);
  b[3].n[kSpeed] = 1;
  b[3].n[kMp] = 15;
  b.use(121, 0, 3, kLevel);
  b.use(125, 0, 3, kLevel);
  b.use(128, 0, 3, kLevel);
  b.use(129, 0, 3, kLevel);
  EXPECT_EQ(b[3].n[kSpeed], -1);
  EXPECT_EQ(b[3].skillState[slot::paralysed], 1);
  EXPECT_EQ(b[3].n[kMagicDefence], 33);
  EXPECT_EQ(b[3].n[kMp], 0);
  EXPECT_TRUE(b.text().ends_with("　　　HeroのMP捨ててやれ・・・！<br>\n"));
}

TEST(MonsterSkills, EscapeStopsEveryLivingCombatantAndWatchingWritesOneLine) {
  SkillBattle b;
  ready(b);
  for (int i = 0; i < kCombatantCount; ++i) b[i].n[kGauge] = 60;
  b[5].n[kHp] = 0;
  b.use(131, 0, 3, kLevel);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(b[i].n[kGauge], 0) << i;
  EXPECT_EQ(b[5].n[kGauge], 60);

  SkillBattle w;
  ready(w);
  w.use(145, 0, 3, kLevel);
  EXPECT_EQ(w.text(), "　　　Orcは様子を見ている。<br>\n");
}

TEST(MonsterSkills, InkAndForceShieldActOnTheLivingOpponents) {
  SkillBattle b;
  ready(b);
  b[3].n[kHitRate] = 95;
  b[4].n[kHitRate] = 95;
  b[4].n[kHp] = 0;
  b.use(123, 0, 3, kLevel);
  b.use(133, 0, 3, kLevel);
  EXPECT_EQ(b[3].n[kHitRate], 86);
  EXPECT_EQ(b[4].n[kHitRate], 95);
  EXPECT_EQ(b[3].n[kAttack], 110);
  EXPECT_EQ(b[0].skillState[slot::inkUsed], 1);
}

}  // namespace
