// Passive skills: the changes at battle start, the revival by the target's
// オートガード and the actor's own passive after each action.
#include "battle/skills/passives.h"
#include "skill_test_kit.h"

namespace {

SkillBattle& withPassive(SkillBattle& b, int holder, Int passive) {
  makeSides(b, 1000);
  b[holder].n[kPassive] = passive;
  b.setUp();
  return b;
}

TEST(StartPassives, ChangeTheHoldersOwnNumbers) {
  struct Case {
    Int passive;
    int field;
    Int before;
    Int after;
  };
  const Case cases[] = {
      {103, kDefence, 25, 27},   {103, kMagicDefence, 39, 42}, {106, kGauge, 0, 50},
      {108, kSkillBonus, 5, 35}, {111, kEvasion, 3, 13},       {112, kSpeed, 25, 30},
      {113, kAttack, 99, 118},   {116, kSkillBonus, 0, 30},    {117, kDefence, 25, 30},
      {117, kAttack, 99, 118},   {118, kDefence, 25, 50},      {101, kDefence, 25, 25},
      {120, kGauge, 7, 7},       {0, kAttack, 99, 99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.passive.v << " field " << c.field);
    SkillBattle b;
    makeSides(b, 1000);
    b[4].n[kPassive] = c.passive;
    b[4].n[c.field] = c.before;
    b.setUp();
    EXPECT_EQ(b[4].n[c.field], c.after);
    EXPECT_EQ(b.draws(), 0u);
  }
}

TEST(AfterActionPassives, AutoGuardTargetGivesEveryoneAtExactlyZeroOneDraw) {
  SkillBattle b;
  withPassive(b, 0, 103);
  b[1].n[kHp] = 0;
  b[2].n[kHp] = -4;  // below 0: never revived, no draw
  b[4].n[kHp] = 0;
  b[5].n[kHp] = 0;
  applyAfterActionPassives(*b.state, 3, 0);
  std::string expected;
  for (int i : {1, 4, 5}) {
    bool back = b.below(100) < 40;
    EXPECT_EQ(b[i].n[kHp], back ? 1 : -1) << i;
    if (back) expected += "★　　オートガード発動！<br>\n";
  }
  EXPECT_EQ(b[2].n[kHp], -4);
  EXPECT_EQ(b.text(), expected);
  EXPECT_EQ(b.draws(), 3u);
}

TEST(AfterActionPassives, NoRevivalUnlessTheTargetHoldsAutoGuard) {
  SkillBattle b;
  withPassive(b, 3, 103);  // the actor's オートガード does not count
  b[1].n[kHp] = 0;
  applyAfterActionPassives(*b.state, 3, 0);
  EXPECT_EQ(b[1].n[kHp], 0);
  EXPECT_EQ(b.draws(), 0u);
  EXPECT_EQ(b.text(), "");
}

TEST(AfterActionPassives, OnlyTheMatchingPassiveDraws) {
  struct Case {
    Int passive;
    std::uint32_t draws;
  };
  const Case cases[] = {{0, 0},   {103, 0}, {104, 0}, {108, 0}, {109, 0}, {111, 0}, {114, 0}, {115, 0},
                        {116, 0}, {117, 0}, {119, 0}, {101, 1}, {102, 1}, {106, 1}, {107, 1}, {110, 1},
                        {112, 1}, {113, 1}, {118, 1}, {120, 1}, {150, 0}, {-1, 0}};
  for (const Case& c : cases) {
    SkillBattle b;
    withPassive(b, 3, c.passive);
    applyAfterActionPassives(*b.state, 3, 0);
    EXPECT_EQ(b.draws(), c.draws) << c.passive.v;
  }
}

// Each chance passive: whether it fires is the oracle's first draw.
struct ChanceCase {
  Int passive;
  Int percent;
  std::string lines;
};

TEST(AfterActionPassives, ChancePassivesFireOnTheirDrawAndWriteTheirLines) {
  const ChanceCase cases[] = {
      {101, 30, "★　　オートリペア発動！<br>\n　　　ＨＰがちょっと回復。<br>\n"},
      {106, 30, "★　　ウェイクアップ！<br>\n"},
      {107, 30, "★　　利息が付きました。<br>\n"},
      {110, 20, "★　　ジェットエンジン噴射！<br>\n"},
      {112, 10, "★　　完全復活発動！<br>\n　　HPが最大回復。<br>\n"},
      {113, 10, "★　　KING OF SWORD発動！<br>\n　　　物理攻撃力が大幅アップ！<br>\n"},
      {118, 10, "★　　ブラッディローズ発動!<br>\n　　　どくどくどく・・・<br>\n"},
      {120, 20, "★　　ゴールデンコンビ発動！<br>\n"},
  };
  for (const ChanceCase& c : cases) {
    int fired = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      SkillBattle b;
      makeSides(b, 1000);
      b[3].n[kPassive] = c.passive;
      b.setUp(seed);
      applyAfterActionPassives(*b.state, 3, 0);
      bool fires = b.below(100) < c.percent;
      fired += fires;
      EXPECT_EQ(b.text(), fires ? c.lines : "") << c.passive.v << " seed " << seed;
    }
    EXPECT_GT(fired, 0) << c.passive.v;
  }
}

TEST(AfterActionPassives, EffectsWhenTheyFire) {
  // Seeds found by the oracle, so each case fires.
  auto firing = [](Int passive, Int percent, auto setUp) {
    for (std::uint32_t seed = 1;; ++seed) {
      auto b = std::make_unique<SkillBattle>();
      makeSides(*b, 1000);
      b->battle.combatants[3].n[kPassive] = passive;
      setUp(*b);
      b->setUp(seed);
      if (b->below(100) < percent) {
        applyAfterActionPassives(*b->state, 3, 0);
        return b;
      }
    }
  };
  auto repair = firing(101, 30, [](SkillBattle& b) { b[3].n[kHp] = 295; });
  EXPECT_EQ((*repair)[3].n[kHp], 300);  // 295 + 29, cut to the maximum
  auto savings = firing(107, 30, [](SkillBattle& b) { b[3].n[kMoney] = 250; });
  EXPECT_EQ((*savings)[3].n[kMoney], 252);
  EXPECT_EQ(savings->cues(), std::vector<std::string>{"ef014.mp3"});
  auto alloy = firing(118, 10, [](SkillBattle& b) {
    b[3].n[kHp] = 2;
    b[3].n[kAttack] = 100;
  });
  EXPECT_EQ((*alloy)[3].n[kHp], 0);
  EXPECT_EQ((*alloy)[3].n[kAttack], 102);
  auto king = firing(113, 10, [](SkillBattle&) {});
  EXPECT_EQ((*king)[3].n[kAttack], 126);  // 100 + 20 at the start, then + 120 / 20
  auto revival = firing(112, 10, [](SkillBattle& b) { b[3].n[kHp] = 10; });
  EXPECT_EQ((*revival)[3].n[kHp], 300);
  auto jet = firing(110, 20, [](SkillBattle&) {});
  EXPECT_EQ((*jet)[3].n[kGauge], 100);
}

TEST(AfterActionPassives, QuickTimeFillsMemberOnesGaugeOrMemberTwosForMemberOne) {
  for (auto [holder, partner] : {std::pair{3, 4}, {4, 3}, {5, 3}, {1, 3}}) {
    for (std::uint32_t seed = 1;; ++seed) {
      SkillBattle b;
      makeSides(b, 1000);
      b[holder].n[kPassive] = 120;
      b.setUp(seed);
      if (b.below(100) >= 20) continue;
      applyAfterActionPassives(*b.state, holder, holder < 3 ? 3 : 0);
      EXPECT_EQ(b[partner].n[kGauge], 100) << holder;
      break;
    }
  }
}

TEST(AfterActionPassives, MagicBoxSpeaksOnlyWhenTheGainPassesTheMaximum) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SkillBattle b;
    makeSides(b, 1000);
    b[3].n[kPassive] = 102;
    b[3].n[kMaxMp] = 20;
    b[3].n[kMp] = 19;
    b.setUp(seed);
    applyAfterActionPassives(*b.state, 3, 0);
    Int gain = b.below(5);
    bool over = gain >= 2;
    EXPECT_EQ(b[3].n[kMp], over ? Int(20) : 19 + gain);
    EXPECT_EQ(b.text(), over ? "★　　マジックボックス発動！<br>\n　　　ＭＰがちょっと回復。<br>\n" : "");
  }
}

TEST(AfterActionPassives, BraveHeartComparesHpWithThreeTenthsOfMpOncePerBattle) {
  struct Case {
    Int hp;
    Int mp;
    bool fires;
  };
  const Case cases[] = {{29, 100, true}, {30, 100, false}, {10, 0, false}, {-1, 0, true}, {0, 0, false}};
  for (const Case& c : cases) {
    SkillBattle b;
    withPassive(b, 3, 104);
    b[3].n[kHp] = c.hp;
    b[3].n[kMp] = c.mp;
    applyAfterActionPassives(*b.state, 3, 0);
    applyAfterActionPassives(*b.state, 3, 0);
    EXPECT_EQ(b[3].n[kAttack], c.fires ? 200 : 100) << c.hp.v;
    EXPECT_EQ(b.text(), c.fires ? "★　　ブレイブハート発動！<br>\n" : "");
    EXPECT_EQ(b[3].skillState[slot::braveHeartUsed], c.fires ? 1 : 0);
  }
}

TEST(AfterActionPassives, BonusChanceSetsTheGaugeWhateverTheSecondDraw) {
  int seen = 0;
  for (std::uint32_t seed = 1; seed <= 200 && seen < 3; ++seed) {
    SkillBattle b;
    withPassive(b, 3, 105);
    b.setUp(seed);
    if (b.below(100) >= 20) continue;
    ++seen;
    applyAfterActionPassives(*b.state, 3, 0);
    Int r = b.below(100);
    std::string tail = r < 10   ? "　　　・・最大HPが2UP!<br>\n"
                       : r < 20 ? "　　　・・最大MPが2UP!<br>\n"
                                : "　　　・・残念!<br>\n";
    EXPECT_EQ(b.text(), "★　　ボーナスチャンス！<br>\n" + tail);
    EXPECT_EQ(b[3].n[kGauge], 50);
    EXPECT_EQ(b[3].n[kMaxHp], r < 10 ? 302 : 300);
    EXPECT_EQ(b.draws(), 2u);
  }
  EXPECT_EQ(seen, 3);
}

TEST(AfterActionPassives, PrescriptionCuresPoisonAndParalysisWithoutADraw) {
  for (auto [poison, paralysis, cures] :
       {std::tuple{1, 0, true}, {0, 1, true}, {3, 0, false}, {0, 0, false}, {1, 1, true}}) {
    SkillBattle b;
    withPassive(b, 3, 119);
    b[3].skillState[slot::poisoned] = poison;
    b[3].skillState[slot::paralysed] = paralysis;
    applyAfterActionPassives(*b.state, 3, 0);
    EXPECT_EQ(b.text(), cures ? "★　　処方箋発動！<br>\n　　　状態異常が回復<br>\n" : "");
    if (cures) {
      EXPECT_EQ(b[3].skillState[slot::poisoned], 0);
      EXPECT_EQ(b[3].skillState[slot::paralysed], 0);
    }
    EXPECT_EQ(b.draws(), 0u);
  }
}

TEST(AfterActionPassives, TheActorsPassiveRunsAlsoWhenItHasFallen) {
  SkillBattle b;
  withPassive(b, 3, 119);
  b[3].n[kHp] = -5;
  b[3].skillState[slot::poisoned] = 1;
  applyAfterActionPassives(*b.state, 3, 0);
  EXPECT_EQ(b[3].skillState[slot::poisoned], 0);
}

// The revival comes first, then the actor's own passive.
TEST(AfterActionPassives, RevivalDrawsComeBeforeTheActorsPassive) {
  SkillBattle b;
  makeSides(b, 1000);
  b[0].n[kPassive] = 103;
  b[3].n[kPassive] = 110;
  b[1].n[kHp] = 0;
  b.setUp();
  applyAfterActionPassives(*b.state, 3, 0);
  bool back = b.below(100) < 40;
  bool jet = b.below(100) < 20;
  std::string expected = back ? "★　　オートガード発動！<br>\n" : "";
  if (jet) expected += "★　　ジェットエンジン噴射！<br>\n";
  EXPECT_EQ(b.text(), expected);
  EXPECT_EQ(b.draws(), 2u);
}

}  // namespace
