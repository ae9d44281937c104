#include "battle/battle_loop.h"

#include <gtest/gtest.h>

#include <string>

#include "battle/run_battle.h"
#include "battle/settlement/judgement.h"
#include "common/sjis_decode.h"
#include "support/battle_builder.h"

namespace {

TEST(Judgement, ScoresTermByTermAndNeverBelowZero) {
  BattleState state;
  state.partyStats = {0, 200, 150, 0, 0, 0};
  state.enemyStats = {250, 300, 90, 0, 1, 0};
  updateJudgementScores(state);
  EXPECT_EQ(state.partyScore, 11);  // 7 + 2 + 2
  EXPECT_EQ(state.enemyScore, 3);   // 3 + 0 + 0
  state.enemyStats.hpTotal = -900;
  updateJudgementScores(state);
  EXPECT_EQ(state.enemyScore, 0);
}

TEST(BattleLoop, EndCheckAndInterimReports) {
  TestBattle battle;
  for (int i : {0, 1, 3, 4}) battle.combatants[i] = makeCombatant("c", {{kHp, 10}, {kMaxHp, 10}});
  BattleState& state = battle.setUp();
  ASSERT_EQ(state.namedCount, 4);
  int interim = 0;
  for (int turn = 1; turn < 24; ++turn) {
    std::size_t before = state.memoryReport.size();
    ASSERT_FALSE(countActionAndCheckEnd(state)) << turn;
    if (state.memoryReport.size() != before) {
      ++interim;
      EXPECT_EQ(turn % 4, 0);
      // Equal scores: the party is not ahead.
      EXPECT_EQ(cp932ToUtf8(state.memoryReport.substr(before)),
                "<br><br>■　途中経過　■<br>\n<font color=red>○　劣勢　○</font><br><br>\n");
    }
  }
  EXPECT_EQ(interim, 5);
  EXPECT_TRUE(countActionAndCheckEnd(state));  // turn 24 reaches the limit
}

TEST(BattleLoop, PartyMembersOneAndTwoDownEndTheBattle) {
  TestBattle battle;
  battle.combatants[0] = makeCombatant("e", {{kHp, 10}});
  battle.combatants[5] = makeCombatant("p3", {{kHp, 10}});
  BattleState& state = battle.setUp();
  EXPECT_TRUE(countActionAndCheckEnd(state));
  EXPECT_EQ(state.actionCount, 0);
}

TEST(BattleLoop, NoNamedCombatantFaultsAtTheFirstEndCheck) {
  TestBattle battle;
  battle.combatants[0] = makeCombatant("", {{kHp, 10}});
  battle.combatants[3] = makeCombatant("", {{kHp, 10}});
  BattleState& state = battle.setUp();
  EXPECT_THROW(countActionAndCheckEnd(state), ArithmeticFault);
}

BattleOptions memoryOptions() {
  BattleOptions options;
  options.sink = ReportSink::Memory;
  options.seed = 7;
  return options;
}

TEST(BattleLoop, ABattleNobodyCanActInGoesStraightToTheSettlement) {
  // Enemy 2 absent, enemy 3 present, enemy 1 fallen; the party's gauges low.
  Combatant c[6]{};
  c[0] = makeCombatant("Boss", {{kHp, 0}, {kMaxHp, 50}, {kSpeed, 20}});
  c[2] = makeCombatant("Imp", {{kHp, 30}, {kMaxHp, 30}, {kSpeed, 20}});
  for (int i = 3; i < 6; ++i)
    c[i] = makeCombatant("P", {{kHp, 30}, {kMaxHp, 30}, {kSpeed, 20}, {kGauge, 99}, {kLevel, 5}});
  BattleState state;
  runBattle(state, c, nullptr, nullptr, memoryOptions());
  EXPECT_EQ(state.actionCount, 0);
  EXPECT_EQ(state.rng.draws, 0u);
  EXPECT_EQ(cp932ToUtf8(state.memoryReport),
            "Bossを倒した！<br>\n0ペリー手に入れた。<br>\n0の経験値を獲得。<br>\n</html>\n");
  EXPECT_EQ(c[3].n[kVictories], 1);
}

TEST(BattleLoop, AFaultEndsTheBattleWithTheClosingLine) {
  Combatant c[6]{};
  c[0] = makeCombatant("", {{kHp, 10}, {kSpeed, 10}, {kMaxHp, 10}, {kHitRate, 100}});
  c[3] = makeCombatant("", {{kHp, 1000}, {kSpeed, 10}, {kMaxHp, 1000}});
  BattleState state;
  runBattle(state, c, nullptr, nullptr, memoryOptions());
  EXPECT_EQ(state.actionCount, 1);
  const std::string report = cp932ToUtf8(state.memoryReport);
  EXPECT_EQ(report.substr(report.size() - 10), "32999<br>\n");
  EXPECT_EQ(report.find("</html>"), std::string::npos);
}

TEST(BattleLoop, ABattleRunsToItsEnd) {
  Combatant c[6]{};
  c[0] = makeCombatant("Boss", {{kHp, 60}, {kMaxHp, 60}, {kAttack, 20}, {kSpeed, 15}, {kHitRate, 90}});
  c[3] =
      makeCombatant("A", {{kHp, 80}, {kMaxHp, 80}, {kAttack, 30}, {kSpeed, 20}, {kHitRate, 95}, {kLives, 3}});
  c[4] = makeCombatant("B", {{kHp, 80}, {kMaxHp, 80}, {kAttack, 30}, {kSpeed, 20}, {kHitRate, 95}});
  BattleState state;
  runBattle(state, c, nullptr, nullptr, memoryOptions());
  EXPECT_GT(state.actionCount, 0);
  EXPECT_LE(state.actionCount, state.actionLimit);
  const std::string report = cp932ToUtf8(state.memoryReport);
  EXPECT_EQ(report.substr(report.size() - 8), "</html>\n");
  EXPECT_FALSE(isAlive(c[0]) && state.actionCount < state.actionLimit);
}

}  // namespace
