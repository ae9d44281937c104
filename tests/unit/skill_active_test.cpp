// Active skills 1..100 beyond the shapes: follow-ups of strikes, the skills
// with effects of their own, and the silent ones.
#include <algorithm>
#include <cstring>

#include "skill_test_kit.h"

namespace {

constexpr Int kLevel = 1;

SkillBattle& ready(SkillBattle& b, Int orcHp = 1000) {
  makeSides(b, orcHp);
  b.setUp();
  return b;
}

TEST(ActiveSkills, DrainsMayLiftTheActorAboveItsMaximum) {
  struct Case {
    Int code;
    Int magicFactor;
    Int defence;  // Orc's magic defence 30, halved by 粘液
    Int tenthsKept;
    bool lineShowsDealt;
  };
  const Case cases[] = {{25, 10, 15, 4, false}, {41, 10, 30, 7, false}, {98, 12, 30, 4, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code.v);
    SkillBattle b;
    ready(b);
    b.use(c.code, 3, 0, kLevel);
    Int dealt = b.roll(c.magicFactor * 60 / 10, c.defence, kLevel);
    Int absorbed = dealt * c.tenthsKept / 10;
    EXPECT_EQ(b[3].n[kHp], 300 + absorbed);
    std::string line = "　　　" + std::to_string((c.lineShowsDealt ? dealt : absorbed).v) + "を吸収！<br>\n";
    EXPECT_TRUE(b.text().ends_with(damageLine("Orc", dealt) + line)) << b.text();
    EXPECT_EQ(b.cues()[2], "ef016.mp3");
  }
}

TEST(ActiveSkills, AStrikeDrainingTwoDamageDrainsNothingButSaysSo) {
  SkillBattle b;
  ready(b, 2);
  b.use(25, 3, 0, kLevel);
  EXPECT_EQ(b[3].n[kHp], 300);
  EXPECT_TRUE(b.text().ends_with("　　　0を吸収！<br>\n"));
}

TEST(ActiveSkills, HpCostsNeverLeaveTheActorBelowOne) {
  struct Case {
    Int code;
    Int actorHp;
    Int expectedHp;  // -1: HP less a tenth of the damage dealt
  };
  const Case cases[] = {{29, 3, 1}, {29, 20, 17}, {54, 3, 1}, {54, 20, 15}, {44, 5, 1}, {44, 290, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.code.v << " at " << c.actorHp.v);
    SkillBattle b;
    ready(b);
    b[3].n[kHp] = c.actorHp;
    b.use(c.code, 3, 0, kLevel);
    Int expected = c.expectedHp;
    if (expected == -1) expected = c.actorHp - (1000 - b[0].n[kHp]) / 10;
    EXPECT_EQ(b[3].n[kHp], expected);
  }
}

TEST(ActiveSkills, GlassAceReportsItsRecoil) {
  SkillBattle b;
  ready(b);
  b.use(44, 3, 0, kLevel);
  Int dealt = b.roll(190, 20, kLevel);
  EXPECT_EQ(b.text(), partyHeader("Hero", "ガラスのエース") + damageLine("Orc", dealt) +
                          "　　　くはぁ。代償として" + std::to_string((dealt / 10).v) + "ダメージ。<br>\n");
}

TEST(ActiveSkills, DarkPowerLowersMaximumHpButNotBelowFifteen) {
  for (auto [before, after] : {std::pair{100, 99}, {16, 15}, {15, 15}, {3, 15}}) {
    SkillBattle b;
    ready(b);
    b[3].n[kMaxHp] = before;
    b.use(31, 3, 0, kLevel);
    EXPECT_EQ(b[3].n[kMaxHp], after) << before;
    EXPECT_TRUE(b.text().ends_with("　　　体が蝕まれていく！<br>\n"));
  }
}

TEST(ActiveSkills, JudgementFlameIsLostHpLessMagicDefenceCappedThenFloored) {
  struct Case {
    Int actorHp;  // of 300
    Int orcHp;
    Int dealt;
  };
  // Lost 0: 0 - 30 is floored to 0. Lost 250 against 50 HP: capped to 50.
  // Lost 20: -10 floored. Lost 130 against 1000 HP: 100.
  const Case cases[] = {{300, 1000, 0}, {50, 50, 50}, {280, 1000, 0}, {170, 1000, 100}};
  for (const Case& c : cases) {
    SkillBattle b;
    ready(b, c.orcHp);
    b[3].n[kHp] = c.actorHp;
    b.use(11, 3, 0, kLevel);
    EXPECT_EQ(b[0].n[kHp], c.orcHp - c.dealt);
    EXPECT_TRUE(b.text().starts_with(partyHeader("Hero", "裁きの炎") + damageLine("Orc", c.dealt)));
    EXPECT_EQ(b.cues().back(), "eff\\ef019.mp3");
    EXPECT_EQ(b.draws(), 0u);
  }
}

TEST(ActiveSkills, DeathWritesTheWholeHpAndTheDefeat) {
  SkillBattle b;
  ready(b, 77);
  b.use(21, 3, 0, kLevel);
  EXPECT_EQ(b.text(), partyHeader("Hero", "デス") + damageLine("Orc", 77) + enemyDown("Orc"));
  EXPECT_EQ(b[0].n[kHp], 0);
}

TEST(ActiveSkills, DeathSentenceCountsToEightThenKillsSilently) {
  for (Int points : {0, 6, 7}) {
    SCOPED_TRACE(points.v);
    SkillBattle b;
    ready(b);
    b[3].skillState[slot::deathSentencePoints] = points;
    b.use(14, 0, 3, kLevel);  // an enemy's 死刑宣告: its cue plays for every actor
    Int now = points + b.below(2) + 1;
    EXPECT_EQ(b[3].skillState[slot::deathSentencePoints], now);
    if (now >= 8) {
      EXPECT_EQ(b.text(), enemyHeader("Orc", "死刑宣告") + "　　　Hero即死。<br>\n");
      EXPECT_EQ(b[3].n[kHp], 0);
      EXPECT_EQ(b.state->partyStats.knockOuts, 0);
    } else {
      EXPECT_EQ(b.text(), enemyHeader("Orc", "死刑宣告") + "　　　Hero死亡まであと" +
                              std::to_string(8 - now.v) + "ポイント・・・<br>\n");
      EXPECT_EQ(b.cues().back(), "ef018.mp3");
    }
  }
}

TEST(ActiveSkills, SecondAndThirdDeathSentencesVisitEachLivingOpponent) {
  struct Case {
    Int code;
    int actor;
    Int most;
  };
  for (const Case& c : {Case{51, 0, 2}, Case{51, 3, 2}, Case{89, 0, 3}}) {
    SCOPED_TRACE(testing::Message() << c.code.v << " by " << c.actor);
    SkillBattle b;
    ready(b);
    int first = firstOpponent(c.actor);
    b[first + 1].n[kHp] = 0;
    b[first + 2].skillState[slot::deathSentencePoints] = 7;
    b.use(c.code, c.actor, first, kLevel);
    Int gained = b.below(c.most) + 1;
    b.below(c.most);  // the third opponent's draw
    EXPECT_EQ(b[first].skillState[slot::deathSentencePoints], gained);
    EXPECT_EQ(b[first + 1].skillState[slot::deathSentencePoints], 0);
    EXPECT_LE(b[first + 2].n[kHp], 0);
    std::string header = isPartyMember(c.actor) ? partyHeader("Hero", skillNameUtf8(c.code))
                                                : enemyHeader("Orc", skillNameUtf8(c.code));
    EXPECT_EQ(b.text(), header + "　　　" + std::string(nameOf(b[first])) + "死亡まであと" +
                            std::to_string(8 - gained.v) + "ポイント・・・<br>\n" + "　　　" +
                            std::string(nameOf(b[first + 2])) + "即死。<br>\n");
    std::vector<std::string> cues = b.cues();
    bool cue = std::count(cues.begin(), cues.end(), "ef018.mp3") == 1;
    EXPECT_EQ(cue, isPartyMember(c.actor));
    EXPECT_EQ(b.draws(), 2u);
  }
}

// The skills without an effect, as the dispatch tables list them, and the
// passives used as an action code.
TEST(ActiveSkills, SilentSkillsWriteNothingAndDrawNothing) {
  for (Int code = 1; code <= kLastSkill; ++code) {
    if (skillEffect(code) != nullptr) continue;
    SkillBattle b;
    ready(b);
    b.use(code, 3, 0, kLevel);
    EXPECT_EQ(b.text(), "") << code.v;
    EXPECT_TRUE(b.cues().empty());
    EXPECT_EQ(b.draws(), 0u);
  }
}

TEST(ActiveSkills, FieldAndGatherWriteTheHeaderWithoutTheSkillLine) {
  SkillBattle b;
  ready(b);
  b[1].n[kHp] = 0;
  b.use(19, 3, 0, kLevel);
  EXPECT_EQ(b.text(), partyHeader("Hero", "") + "　　　動くとダメージを受ける感じで・・・<br>\n");
  EXPECT_EQ(b[0].skillState[slot::damageField], 1);
  EXPECT_EQ(b[1].skillState[slot::damageField], 0);
  EXPECT_EQ(b[3].skillState[slot::damageField], 2);

  SkillBattle g;
  ready(g);
  g.use(20, 0, 3, kLevel);
  EXPECT_EQ(g.text(), enemyHeader("Orc", "") + "　　　Orcは力をためている。<br>\n");
}

TEST(ActiveSkills, HealsTakeWhatIsMissingAtMost) {
  struct Case {
    Int code;
    Int hp;
    Int maxHp;
    Int healed;
  };
  const Case cases[] = {{27, 45, 100, 30}, {27, 25, 50, 25},  {63, 10, 100, 10}, {63, 95, 100, 5},
                        {71, 10, 100, 60}, {71, 70, 100, 30}, {97, 3, 100, 97}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code.v);
    SkillBattle b;
    ready(b);
    b[3].n[kHp] = c.hp;
    b[3].n[kMaxHp] = c.maxHp;
    b.use(c.code, 3, 0, kLevel);
    EXPECT_EQ(b[3].n[kHp], c.hp + c.healed);
    EXPECT_TRUE(b.text().ends_with(std::to_string(c.healed.v) + "回復！<br>\n")) << b.text();
  }
}

TEST(ActiveSkills, DoomSongDividesHpByTenWithoutDefeatLines) {
  SkillBattle b;
  ready(b, 9);
  b[1].n[kHp] = 15;
  b.use(96, 3, 0, kLevel);
  EXPECT_EQ(b[0].n[kHp], 0);
  EXPECT_EQ(b[1].n[kHp], 1);
  EXPECT_EQ(b[2].n[kHp], 50);
  EXPECT_EQ(b.text(),
            partyHeader("Hero", "滅びの唄") + "　　　朽ち果てるがよい・・・滅びるがよい・・・<br>\n");
  EXPECT_EQ(b.state->enemyStats.knockOuts, 0);
  EXPECT_EQ(b[3].skillState[slot::doomSongUsed], 1);
}

TEST(ActiveSkills, AllCancelClearsEverySlotOfItsUserOnly) {
  SkillBattle b;
  ready(b);
  for (int slot = 0; slot < kSkillSlotCount; ++slot) b[3].skillState[slot] = slot + 1;
  b[0].skillState[slot::poisoned] = 1;
  b.use(53, 3, 0, kLevel);
  for (int slot = 0; slot < kSkillSlotCount; ++slot) EXPECT_EQ(b[3].skillState[slot], 0) << slot;
  EXPECT_EQ(b[0].skillState[slot::poisoned], 1);
  EXPECT_EQ(b.text(), partyHeader("Hero", "オールキャンセル") + "　　　付加効果全キャンセル！<br>\n");
  EXPECT_EQ(b.cues().back(), "ef024.mp3");
}

TEST(ActiveSkills, StatesLaidOnLivingOpponentsOnly) {
  struct Case {
    Int code;
    int slot;
    Int userMark;  // the user's own slot afterwards
  };
  const Case cases[] = {{16, slot::landmine, 0},   {23, slot::poisoned, 3},     {58, slot::poisoned, 0},
                        {67, slot::forceField, 2}, {72, slot::divineDomain, 2}, {74, slot::paralysed, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code.v);
    SkillBattle b;
    ready(b);
    b[1].n[kHp] = 0;
    b.use(c.code, 3, 0, kLevel);
    EXPECT_EQ(b[0].skillState[c.slot], 1);
    EXPECT_EQ(b[1].skillState[c.slot], 0);
    EXPECT_EQ(b[2].skillState[c.slot], 1);
    EXPECT_EQ(b[3].skillState[c.slot], c.userMark);
  }
}

TEST(ActiveSkills, EagleShotBoostsTheNextChoiceAfterItsHit) {
  SkillBattle b;
  ready(b);
  b.use(81, 3, 0, kLevel);
  Int dealt = b.roll(140, 20, kLevel);
  EXPECT_EQ(b.text(),
            partyHeader("Hero", "イーグルショット") + damageLine("Orc", dealt) + "　　　確率変動！<br>\n");
  EXPECT_EQ(b[3].skillState[slot::skillRateBoost], 1);
  EXPECT_EQ(b[3].n[kGauge], 70);
}

TEST(ActiveSkills, FinalStrikeLeavesTheActorAtOneHp) {
  SkillBattle b;
  ready(b);
  b[3].n[kHp] = 60;
  b.use(94, 3, 0, kLevel);
  EXPECT_EQ(b[3].n[kHp], 1);
  EXPECT_EQ(b[3].skillState[slot::finalStrikeUsed], 1);
}

TEST(ActiveSkills, StatChangesOnTheActor) {
  struct Case {
    Int code;
    int field;
    Int before;
    Int after;
  };
  const Case cases[] = {
      {8, kMagicDefence, 30, 33}, {20, kAttack, 100, 110},     {40, kDefence, 20, 26},
      {43, kSpeed, 25, 32},       {47, kAttack, 100, 140},     {48, kAttack, 100, 90},
      {57, kAttack, 100, 130},    {62, kMagicDefence, 30, 39}, {69, kEvasion, 5, 55},
      {87, kSpeed, 25, 50},       {93, kAttack, 100, 120},     {10, kEvasion, 5, 35},
  };
  for (const Case& c : cases) {
    SkillBattle b;
    ready(b);
    b[3].n[c.field] = c.before;
    b.use(c.code, 3, 0, kLevel);
    EXPECT_EQ(b[3].n[c.field], c.after) << c.code.v;
  }
}

TEST(ActiveSkills, TimeShrinkThreeStopsLivingOpponentsAndFillsTheActor) {
  SkillBattle b;
  ready(b);
  for (int i = 0; i < 3; ++i) b[i].n[kGauge] = 40;
  b[2].n[kHp] = 0;
  b.use(99, 3, 0, kLevel);
  EXPECT_EQ(b[0].n[kGauge], 0);
  EXPECT_EQ(b[1].n[kGauge], 0);
  EXPECT_EQ(b[2].n[kGauge], 40);
  EXPECT_EQ(b[3].n[kGauge], 90);
}

}  // namespace

namespace {

// Every id of 1..100 and 121..150 whose row in the dispatch tables has an
// effect leaves a trace: a row pointing at the wrong shape or at an effect
// that does nothing would not.
TEST(SkillDispatch, EverySkillWithAnEffectLeavesATrace) {
  for (int code = 1; code <= kLastSkill; ++code) {
    if (code >= kFirstPassive && code <= kLastPassive) continue;
    for (int actor : {0, 3}) {
      SkillBattle b;
      makeSides(b, 1000);
      giveAttack(b, 0);
      b[3].n[kHp] = 200;  // room for heals
      b[3].n[kMp] = 50;
      b.setUp();
      Combatant before[kCombatantCount];
      std::copy(std::begin(b.battle.combatants), std::end(b.battle.combatants), before);
      b.use(code, actor, actor == 0 ? 3 : 0, 1);
      bool changed = std::memcmp(before, b.battle.combatants, sizeof before) != 0;
      bool traced = changed || !b.text().empty();
      bool isSilent = skillEffect(code) == nullptr;
      EXPECT_EQ(traced, !isSilent) << "skill " << code << " by " << actor;
    }
  }
}

}  // namespace
