#include <gtest/gtest.h>

#include <string>

#include "battle/settlement/outcome.h"
#include "battle/settlement/summary_page.h"
#include "battle/settlement/write_back.h"
#include "common/sjis.h"
#include "common/sjis_decode.h"
#include "support/battle_builder.h"

namespace {

// Enemy leader "Boss" yielding 25 experience and 100 money; three members at
// level 10 with room before their next level.
struct Settlement {
  TestBattle battle;
  BattleState* state;
  Combatant* c;
  Settlement(int lives, int hp1, int hp2, int bossHp) {
    c = battle.combatants;
    c[0] = makeCombatant("Boss", {{kHp, bossHp}, {kMaxHp, 100}, {kExperience, 25}, {kMoney, 100}});
    c[1] = makeCombatant("Imp", {{kHp, 30}, {kMaxHp, 30}});
    const int hp[3] = {hp1, hp2, 40};
    for (int i = 0; i < 3; ++i) {
      c[3 + i] = makeCombatant(i == 0   ? "P1"
                               : i == 1 ? "P2"
                                        : "P3",
                               {{kHp, hp[i]}, {kMaxHp, 100}, {kLevel, 10}, {kMoney, 1000}, {kJob, 0}});
    }
    c[3].n[kLives] = lives;
    state = &battle.setUp();
  }
  std::string report() const { return cp932ToUtf8(state->memoryReport); }
  bool says(const char* text) const { return report().find(text) != std::string::npos; }
};

TEST(Settlement, AnnihilationWithLivesLeft) {
  Settlement s(3, 0, -5, 100);
  EXPECT_EQ(settleOutcome(*s.state), Outcome::Annihilation);
  EXPECT_EQ(s.c[3].n[kLives], 2);
  for (int i : {3, 4}) {
    EXPECT_EQ(s.c[i].n[kWipeOuts], 1);
    EXPECT_EQ(s.c[i].n[kMoney], 2000);
  }
  EXPECT_EQ(s.c[5].n[kWipeOuts], 0);
  EXPECT_EQ(s.c[5].n[kMoney], 1000);
  for (int i : {3, 4, 5}) EXPECT_EQ(s.c[i].n[kExperience], 20);
  EXPECT_EQ(
      s.report(),
      "全滅しました。<br>\n<br>ライフを１つ失いました。<br>\n25の経験値を（一応）獲得。<br>\n</html>\n");
}

TEST(Settlement, AnnihilationOnTheLastLifeIsGameOver) {
  Settlement s(1, 0, 0, 100);
  EXPECT_EQ(settleOutcome(*s.state), Outcome::Annihilation);
  EXPECT_EQ(s.c[3].n[kLives], 0);
  EXPECT_EQ(s.c[3].n[kExperience], 0);
  EXPECT_EQ(s.c[3].n[kMoney], 2000);
  EXPECT_EQ(s.report(), "全滅しました。<br>\n<br>ゲームオーバー。<br>\n</html>\n");
}

TEST(Settlement, WinPaysEveryMemberItsHpAndTheEnemysMoney) {
  Settlement s(3, 40, -10, 0);  // Imp still stands
  EXPECT_EQ(settleOutcome(*s.state), Outcome::Win);
  EXPECT_EQ(s.c[3].n[kMoney], 1140);
  EXPECT_EQ(s.c[4].n[kMoney], 1090);
  EXPECT_EQ(s.c[5].n[kMoney], 1140);
  for (int i : {3, 4, 5}) {
    EXPECT_EQ(s.c[i].n[kExperience], 25);
    EXPECT_EQ(s.c[i].n[kVictories], 1);
  }
  EXPECT_EQ(s.c[3].n[kLives], 3);
  EXPECT_EQ(s.report(), "Bossを倒した！<br>\n100ペリー手に入れた。<br>\n25の経験値を獲得。<br>\n</html>\n");
}

TEST(Settlement, JudgementOnEqualScoresIsWon) {
  Settlement s(3, 100, 100, 100);
  s.c[1].n[kHp] = 100;  // both sides: HP 200 of 200
  s.state->enemyStats.maxHpTotal = 200;
  s.c[5].n[kHp] = 0;
  EXPECT_EQ(settleOutcome(*s.state), Outcome::JudgementWin);
  EXPECT_EQ(s.state->partyScore, s.state->enemyScore);
  EXPECT_TRUE(s.state->judgement);
  EXPECT_EQ(cp932ToUtf8(std::string(outcomeMark(*s.state))), "△");
  EXPECT_EQ(cp932ToUtf8(std::string(s.state->lastActionName)), "判定");
  EXPECT_EQ(s.c[3].n[kLives], 3);
  EXPECT_EQ(s.c[3].n[kExperience], 22);  // 25 × 9 / 10
  EXPECT_TRUE(s.says("<br>　10　－　10　<br>　判定勝ち！<br>\n"));
}

TEST(Settlement, JudgementGameOverAlsoAfterAWin) {
  Settlement won(0, 100, 100, 100);
  EXPECT_EQ(settleOutcome(*won.state), Outcome::JudgementWin);
  EXPECT_TRUE(won.says("判定勝ち！<br>\n<br>ゲームオーバー。<br>\n</html>\n"));
  EXPECT_EQ(won.c[3].n[kExperience], 0);

  Settlement lost(1, 10, 10, 100);
  EXPECT_EQ(settleOutcome(*lost.state), Outcome::JudgementLoss);
  EXPECT_EQ(lost.c[3].n[kLives], 0);
  EXPECT_TRUE(
      lost.says("判定負け<br>\n<br>ライフを１つ失いました。<br>\n<br>ゲームオーバー。<br>\n</html>\n"));
  EXPECT_EQ(cp932ToUtf8(std::string(outcomeMark(*lost.state))), "▲");
}

TEST(Settlement, AZeroMaxHpTotalIsAFault) {
  Settlement s(3, 10, 10, 100);
  s.state->partyStats.maxHpTotal = 0;
  EXPECT_THROW(settleOutcome(*s.state), ArithmeticFault);
}

TEST(Settlement, LevelUpsGoToTheSnapshotOnce) {
  EXPECT_TRUE(reachesNextLevel(69, 3));
  EXPECT_FALSE(reachesNextLevel(68, 3));
  EXPECT_TRUE(reachesNextLevel(300, 10));
  Settlement s(3, 40, 40, 0);
  s.c[3].n[kExperience] = 275;  // + 25 = 300, the threshold of level 10
  s.c[4].n[kExperience] = 274;
  s.c[5].n[kExperience] = 100000;
  settleOutcome(*s.state);
  EXPECT_EQ(s.state->snapshots[3].n[kLevel], 11);
  EXPECT_EQ(s.state->snapshots[4].n[kLevel], 10);
  EXPECT_EQ(s.state->snapshots[5].n[kLevel], 11);
  EXPECT_EQ(s.c[3].n[kLevel], 10);
  EXPECT_TRUE(s.says("P1はレベルが上がった！<br>\nP1は何かいろいろ上がった！<br>\nP3はレベルが上がった！"));
  CharacterRecord written = mergedRecord(*s.state, 3);
  EXPECT_EQ(written.n[kLevel], 11);
  EXPECT_EQ(written.n[kExperience], 300);
  EXPECT_EQ(written.n[kHp], written.n[kMaxHp]);
}

TEST(Settlement, WriteBackKeepsTheLastingResultsOnly) {
  Settlement s(3, 40, 40, 0);
  s.state->snapshots[3].n[kAttack] = 12;
  s.state->snapshots[3].n[kMaxMp] = 30;
  s.c[3].n[kAttack] = 99;
  s.c[3].n[kMp] = 1;
  s.c[3].n[kLifeBottles] = 4;
  s.c[3].n[kMoney] = 5;
  s.c[3].n[kLives] = 7;
  CharacterRecord written = mergedRecord(*s.state, 3);
  EXPECT_EQ(written.n[kAttack], 12);
  EXPECT_EQ(written.n[kMp], 30);
  EXPECT_EQ(written.n[kHp], 100);
  EXPECT_EQ(written.n[kLifeBottles], 4);
  EXPECT_EQ(written.n[kMoney], 5);
  EXPECT_EQ(written.n[kLives], 7);
}

TEST(Settlement, MarksFollowTheScoresAndTheJudgement) {
  // clang-format off
  struct Case { bool judgement; int party, enemy; const char* mark; };
  const Case cases[] = {{false, 5, 5, "○"}, {false, 4, 5, "●"}, {true, 6, 5, "△"}, {true, 0, 1, "▲"}};
  // clang-format on
  for (const Case& c : cases) {
    BattleState state;
    state.judgement = c.judgement;
    state.partyScore = c.party;
    state.enemyScore = c.enemy;
    EXPECT_EQ(cp932ToUtf8(std::string(outcomeMark(state))), c.mark);
  }
}

}  // namespace
