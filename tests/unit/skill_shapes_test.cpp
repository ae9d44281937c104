// The shared shapes of damage skills: strikes (one or more hits on the
// target, capped or not) and sweeps (one capped hit on each living opponent).
#include <functional>

#include "skill_test_kit.h"

namespace {

constexpr Int kLevel = 2;

struct StrikeCase {
  Int code;
  std::string_view skill;
  int actor;
  int target;
  bool capped;
  std::vector<std::string> headerCues;  // after the header's own cues
  std::string headerLine;
  std::string hitCue;  // empty: the side's own
  // The damage of each hit, rolled on the oracle in the rule's order.
  std::function<std::vector<Int>(SkillBattle&)> hits;
};

// Target defence 20, magic defence 30 (Orc, or Hero for an enemy actor).
const StrikeCase kStrikeCases[] = {
    {3,
     "アッパーカット",
     3,
     0,
     true,
     {},
     "",
     "eff\\ef015.mp3",
     [](SkillBattle& b) { return std::vector<Int>{b.roll(110, 20, kLevel)}; }},
    {12,
     "サンダー",
     3,
     0,
     true,
     {},
     "",
     "eff\\ef023.mp3",
     [](SkillBattle& b) { return std::vector<Int>{b.roll(78, 30, kLevel)}; }},
    {17,
     "流星剣",
     3,
     0,
     true,
     {"ef024.mp3"},
     "",
     "",
     [](SkillBattle& b) {
       Int physical = b.roll(150, 20, kLevel);
       return std::vector<Int>{physical + b.roll(12, 0, kLevel)};
     }},
    {1,
     "２回攻撃",
     3,
     0,
     false,
     {"bt001.mp3"},
     "くらえっ！<br>\n",
     "",
     [](SkillBattle& b) {
       Int first = b.roll(70, 20, kLevel);
       return std::vector<Int>{first, b.roll(70, 20, kLevel)};
     }},
    {2,
     "２段斬り",
     0,
     3,
     false,
     {},
     "くらえっ！<br>\n",
     "",  // an enemy plays no bt001
     [](SkillBattle& b) {
       Int first = b.roll(70, 20, kLevel);
       return std::vector<Int>{first, b.roll(70, 20, kLevel)};
     }},
    {82,
     "サイクルヒット",
     3,
     0,
     false,
     {},
     "",
     "",
     [](SkillBattle& b) {
       std::vector<Int> hits;
       for (Int k : {4, 6, 10, 14}) hits.push_back(b.roll(k * 10, 20, kLevel));
       return hits;
     }},
    {80,
     "オーラパンチ",
     3,
     0,
     false,
     {},
     "",
     "eff\\ef015.mp3",
     [](SkillBattle& b) { return std::vector<Int>{b.roll(120, 0, kLevel)}; }},
    {148,
     "クリスタルランス",
     3,
     0,
     false,
     {"bt001.mp3"},
     "　　　貫け！クリスタルランス！<br>\n",
     "",
     [](SkillBattle& b) {
       Int physical = b.roll(70, 20, 4);
       Int first = physical + b.roll(60, 0, 4);
       return std::vector<Int>{first, b.roll(70, 20, kLevel)};
     }},
    {150,
     "クリスタルスパイラル",
     0,
     3,
     false,
     {},
     "",
     "",
     [](SkillBattle& b) {
       Int physical = b.roll(190, 20, 4);
       return std::vector<Int>{physical + b.roll(60, 0, 4)};
     }},
};

void runStrikeCase(const StrikeCase& c, Int targetHp) {
  SCOPED_TRACE(testing::Message() << "skill " << c.code.v << ", target HP " << targetHp.v);
  SkillBattle b;
  makeSides(b, 1000);
  giveAttack(b, c.actor);
  b[c.target].n[kHp] = targetHp;
  b.setUp();
  b.use(c.code, c.actor, c.target, kLevel);

  std::vector<Int> rolled = c.hits(b);
  bool party = isPartyMember(c.actor);
  std::string_view name = nameOf(b[c.target]);
  std::string expected =
      party ? partyHeader(nameOf(b[c.actor]), c.skill) : enemyHeader(nameOf(b[c.actor]), c.skill);
  expected += c.headerLine;
  std::vector<std::string> cues = {party ? "ef002.mp3" : "ef003.mp3", "ef004.mp3"};
  cues.insert(cues.end(), c.headerCues.begin(), c.headerCues.end());
  Int hp = targetHp;
  for (Int damage : rolled) {
    if (c.capped && damage > hp) damage = hp;
    hp -= damage;
    expected += damageLine(name, damage);
    if (hp <= 0) expected += isPartyMember(c.target) ? memberDown(name) : enemyDown(name);
    cues.push_back(!c.hitCue.empty() ? c.hitCue : party ? "ef005.mp3" : "ef006.mp3");
  }
  EXPECT_EQ(b.text(), expected);
  EXPECT_EQ(b.cues(), cues);
  EXPECT_EQ(b[c.target].n[kHp], hp);
  EXPECT_EQ(b.draws(), b.oracleDraws());
}

TEST(StrikeSkills, RollSubtractThenHeaderAndOneDamageLinePerHit) {
  for (const StrikeCase& c : kStrikeCases) runStrikeCase(c, 1000);
}

// Capped strikes end at 0 with one defeat line; uncapped hits keep landing
// below 0, each with its own defeat line. Every roll is drawn either way.
TEST(StrikeSkills, OnAWeakTargetCappedStopsAtZeroAndUncappedKeepsLanding) {
  for (const StrikeCase& c : kStrikeCases) runStrikeCase(c, 5);
}

TEST(StrikeSkills, MultiHitOnTargetAtFiveHpWritesTheDefeatLineAfterEveryHit) {
  SkillBattle b;
  makeSides(b, 5);
  b.setUp();
  b.use(35, 3, 0, kLevel);
  EXPECT_LT(b[0].n[kHp], -200);  // three hits of 70-odd on 5 HP
  std::string text = b.text();
  int defeats = 0;
  for (std::size_t at = text.find("を倒した"); at != std::string::npos; at = text.find("を倒した", at + 1))
    ++defeats;
  EXPECT_EQ(defeats, 3);
  EXPECT_EQ(b.state->enemyStats.knockOuts, 3);
}

// Sweeps: the header once, then each living opponent in index order.
TEST(SweepSkills, SkipAFallenOpponentAndUseEachVictimsOwnDefence) {
  SkillBattle b;
  makeSides(b, 1000);
  b[1].n[kHp] = 0;
  b.setUp();
  b.use(4, 3, 0, kLevel);  // 一文字切り: attack × 10 against each own defence
  Int orc = b.roll(100, 20, kLevel);
  Int bat = b.roll(100, 40, kLevel);
  EXPECT_EQ(b.text(), partyHeader("Hero", "一文字切り") + damageLine("Orc", orc) + damageLine("Bat", bat));
  EXPECT_EQ(b.cues(), (std::vector<std::string>{"ef002.mp3", "ef004.mp3", "ef005.mp3", "ef005.mp3"}));
  EXPECT_EQ(b[1].n[kHp], 0);
  EXPECT_EQ(b.draws(), b.oracleDraws());
}

TEST(SweepSkills, TargetMagicDefenceServesEveryVictim) {
  SkillBattle b;
  makeSides(b, 1000);
  b.setUp();
  b.use(56, 3, 2, kLevel);  // ダブルサイクロン at Bat (magic defence 0)
  Int orc = b.roll(120, 0, kLevel);
  Int imp = b.roll(120, 0, kLevel);
  Int bat = b.roll(120, 0, kLevel);
  EXPECT_EQ(b.text(), partyHeader("Hero", "ダブルサイクロン") + damageLine("Orc", orc) +
                          damageLine("Imp", imp) + damageLine("Bat", bat));
}

TEST(SweepSkills, TwoRollsPerVictimWithItsOwnDefencesAndOneCap) {
  SkillBattle b;
  makeSides(b, 3);
  b.setUp();
  b.use(85, 3, 2, kLevel);  // ジャッジメント: attack × 10 and magic × 10, each victim's own defences
  Int orc = b.roll(100, 20, kLevel);
  orc += b.roll(60, 30, kLevel);
  Int imp = b.roll(100, 5, kLevel);
  imp += b.roll(60, 80, kLevel);
  Int bat = b.roll(100, 40, kLevel);
  bat += b.roll(60, 0, kLevel);
  ASSERT_GT(orc, 3);
  EXPECT_EQ(b.text(), partyHeader("Hero", "ジャッジメント") + damageLine("Orc", 3) + enemyDown("Orc") +
                          damageLine("Imp", imp) + damageLine("Bat", bat));
  EXPECT_EQ(b[0].n[kHp], 0);
}

TEST(SweepSkills, EnemyFocusedFireRepeatsTheWholeHeaderBeforeEachVictim) {
  SkillBattle b;
  makeSides(b, 1000);
  giveAttack(b, 0);
  b[4].n[kHp] = 0;
  b.setUp();
  b.use(52, 0, 3, kLevel);  // 集中砲火 by an enemy
  Int hero = b.roll(150, 20, kLevel);
  Int monk = b.roll(150, 0, kLevel);
  std::string header = enemyHeader("Orc", "集中砲火");
  EXPECT_EQ(b.text(), header + header + damageLine("Hero", hero) + header + damageLine("Monk", monk));
  EXPECT_EQ(b.cues(),
            (std::vector<std::string>{"ef003.mp3", "ef004.mp3", "ef030.mp3", "ef003.mp3", "ef004.mp3",
                                      "ef006.mp3", "ef003.mp3", "ef004.mp3", "ef006.mp3"}));
}

TEST(SweepSkills, PartyFocusedFireWritesOneHeader) {
  SkillBattle b;
  makeSides(b, 1000);
  b.setUp();
  b.use(52, 3, 0, kLevel);
  EXPECT_EQ(b.text().find("集中砲火発動"), b.text().rfind("集中砲火発動"));
}

TEST(SweepSkills, StarArrowsMakeThreePassesOverTheLivingOnly) {
  SkillBattle b;
  makeSides(b, 10);  // Orc falls in the first pass
  b.setUp();
  b.use(77, 3, 0, kLevel);  // 星の矢: attack × 5
  std::string expected = partyHeader("Hero", "星の矢");
  Int imp = 500, bat = 500;
  Int first = b.roll(50, 20, kLevel);
  ASSERT_GE(first, 10);
  expected += damageLine("Orc", 10) + enemyDown("Orc");
  for (int pass = 0; pass < 3; ++pass) {  // Orc is down from the first pass on
    Int i = b.roll(50, 5, kLevel);
    imp -= i;
    expected += damageLine("Imp", i);
    Int t = b.roll(50, 40, kLevel);
    bat -= t;
    expected += damageLine("Bat", t);
  }
  EXPECT_EQ(b.text(), expected);
  EXPECT_EQ(b[1].n[kHp], imp);
  EXPECT_EQ(b[2].n[kHp], bat);
}

struct SweepCueCase {
  Int code;
  int actor;
  std::vector<std::string> cues;  // for the first victim only of three
};

TEST(SweepSkills, CuesBySide) {
  const SweepCueCase cases[] = {
      {5, 3, {"ef002.mp3", "ef004.mp3", "ef012.mp3"}},
      {5, 0, {"ef003.mp3", "ef004.mp3", "ef006.mp3"}},
      {15, 3, {"ef002.mp3", "ef004.mp3", "ef028.mp3", "ef005.mp3"}},
      {65, 3, {"ef002.mp3", "ef004.mp3", "eff\\ef019.mp3"}},
      {65, 0, {"ef003.mp3", "ef004.mp3", "ef021.mp3", "ef006.mp3"}},
      {38, 0, {"ef003.mp3", "ef004.mp3", "eff\\ef021.mp3"}},
      {55, 3, {"ef002.mp3", "ef004.mp3", "ef030.mp3", "ef005.mp3"}},
  };
  for (const SweepCueCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "skill " << c.code.v << " by " << c.actor);
    SkillBattle b;
    makeSides(b, 1000);
    giveAttack(b, 0);
    b.setUp();
    b.use(c.code, c.actor, isPartyMember(c.actor) ? 0 : 3, kLevel);
    std::vector<std::string> cues = b.cues();
    cues.resize(c.cues.size());
    EXPECT_EQ(cues, c.cues);
  }
}

TEST(SweepSkills, FullSalvoAddsTwentyAndMarksItsUser) {
  SkillBattle b;
  makeSides(b, 1000);
  b.setUp();
  b.use(55, 3, 0, kLevel);
  Int orc = b.roll(200, 20, kLevel) + 20;
  EXPECT_EQ(b[0].n[kHp], 1000 - orc);
  EXPECT_EQ(b[3].skillState[slot::fullSalvoUsed], 1);
}

TEST(SweepSkills, CrystalArrowRollsAtLevelFourWhateverTheSkillLevel) {
  SkillBattle b;
  makeSides(b, 1000);
  b.setUp();
  b.use(147, 3, 0, 1);
  Int orc = b.roll(100, 20, 4);
  orc += b.roll(60, 0, 4);
  EXPECT_EQ(b[0].n[kHp], 1000 - orc);
}

}  // namespace
