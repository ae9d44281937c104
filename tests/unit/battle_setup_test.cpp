// Bridge.txt, the battle set-up and the report machinery.
#include <gtest/gtest.h>

#include "battle/battle_setup.h"
#include "battle/bridge_file.h"
#include "battle/fault_path.h"
#include "battle/report/report_output.h"
#include "battle/run_battle.h"
#include "battle/settlement/summary_page.h"
#include "common/sjis.h"
#include "support/battle_builder.h"
#include "support/test_folder.h"

namespace {

std::string join(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

TEST(BridgeFile, ReadsFiveLinesInTextMode) {
  TestFolder folder;
  folder.write("Bridge.txt", "e1.dat\r\n\r\ne3\r.dat\nreport.html\r\nsummary.html");
  auto bridge = readBridgeFile(folder.path());
  ASSERT_TRUE(bridge);
  EXPECT_EQ(bridge->lines[0], "e1.dat\n");
  EXPECT_EQ(bridge->lines[1], "\n");
  EXPECT_EQ(bridge->lines[2], "e3\r.dat\n");  // a lone CR is part of the line
  EXPECT_EQ(bridge->lines[3], "report.html");
  EXPECT_EQ(bridge->lines[4], "summary.html");  // no line end: taken whole
}

TEST(BridgeFile, MissingLinesAreEmptyAndTooLongLinesStopTheRun) {
  TestFolder folder;
  folder.write("Bridge.txt", "e1.dat\n");
  auto bridge = readBridgeFile(folder.path());
  ASSERT_TRUE(bridge);
  EXPECT_EQ(bridge->lines[1], "");
  EXPECT_EQ(bridge->lines[4], "");

  struct Case {
    int line;
    std::size_t length;
    bool accepted;
  };
  const Case cases[] = {{0, 254, true}, {0, 255, false}, {2, 255, false}, {3, 1022, true}, {4, 1023, false}};
  for (const Case& c : cases) {
    std::string text;
    for (int i = 0; i < 5; ++i) text += (i == c.line ? std::string(c.length, 'a') : "x") + "\r\n";
    folder.write("Bridge.txt", text);
    EXPECT_EQ(readBridgeFile(folder.path()).has_value(), c.accepted) << c.line << " " << c.length;
  }
  EXPECT_FALSE(readBridgeFile(folder.path() + "/missing"));
}

TEST(BattleSetup, CountsNamedMembersAndMarksAbsentEnemies) {
  TestBattle battle;
  battle.combatants[0] = makeCombatant("Leader", {{kHp, 50}, {kMaxHp, 60}});
  battle.combatants[1] = makeCombatant("Fallen", {{kHp, 0}, {kMaxHp, 40}, {kGauge, 30}});
  battle.combatants[2] = makeCombatant("", {{kHp, 0}, {kGauge, 5}});  // absent
  battle.combatants[3] = makeCombatant("A", {{kHp, 10}, {kMaxHp, 100}});
  battle.combatants[4] = makeCombatant("B", {{kHp, 10}, {kMaxHp, 200}});
  battle.combatants[5] = makeCombatant("C", {{kHp, 10}, {kMaxHp, 9999}});  // never counted
  for (Combatant& c : battle.combatants) c.skillState[7] = 99;
  BattleState& state = battle.setUp(77);
  EXPECT_EQ(state.namedCount, 4);
  EXPECT_EQ(state.actionLimit, 24);
  EXPECT_EQ(state.partyStats.maxHpTotal, 300);
  EXPECT_EQ(state.enemyStats.maxHpTotal, 100);
  EXPECT_EQ(battle.combatants[0].n[kGauge], 0);  // the leader is never marked
  EXPECT_EQ(battle.combatants[1].n[kGauge], -1);
  EXPECT_EQ(battle.combatants[2].n[kGauge], -1);
  EXPECT_EQ(state.snapshots[1].n[kGauge], 30);  // snapshots are taken before any change
  for (const Combatant& c : battle.combatants) {
    for (Int slot : c.skillState) EXPECT_EQ(slot, 0);
  }
  EXPECT_EQ(state.rng.state, 77u);
  EXPECT_EQ(state.rng.draws, 0u);
}

TEST(BattleSetup, AReusedStateKeepsNothingOfTheLastBattle) {
  TestBattle battle;
  battle.combatants[3] = makeCombatant("A", {{kHp, 10}, {kMaxHp, 100}});
  BattleState& state = battle.setUp();
  state.partyStats.knockOuts = 5;
  appendLogLine(state, "left over\n");
  state.replacedAction = 12;
  battle.setUp();
  EXPECT_EQ(state.partyStats.knockOuts, 0);
  EXPECT_EQ(state.partyStats.maxHpTotal, 100);
  EXPECT_EQ(state.log.lineCount, 0);
  EXPECT_EQ(state.replacedAction, 0);
  EXPECT_EQ(state.namedCount, 1);
}

TEST(ReportOutput, HeadersAndCues) {
  TestBattle battle;
  BattleState& state = battle.setUp();
  logActionHeader(state, "Foe", "", 1);
  logActionHeader(state, "Hero", "２回攻撃"_sj, 3);
  playHitCue(state, "", 3);
  playHitCue(state, "", 0);
  playHitCue(state, "eff\\ef007.mp3", 0);
  EXPECT_EQ(state.log.text, join({"<br><font color=red><---　Foeの攻撃！<br></font>\n"_sj,
                                  "<br><font color=blue>--->　Heroの攻撃！</font><br>\n"_sj,
                                  "☆　　２回攻撃発動！<br>\n"_sj}));
  std::vector<std::string_view> cues = {"ef003.mp3", "ef002.mp3", "ef004.mp3",
                                        "ef005.mp3", "ef006.mp3", "eff\\ef007.mp3"};
  EXPECT_EQ(state.cues, cues);
  EXPECT_EQ(state.log.lineCount, 3);
}

TEST(ReportOutput, DamageLinesCountAndRepeatTheDefeatLine) {
  TestBattle battle;
  BattleState& state = battle.setUp();
  logDamage(state, "Foe", 0, 30, 10);
  logDamage(state, "Foe", 0, 25, -15);
  logDamage(state, "Foe", 0, 5, -20);  // hit again while down
  logDamage(state, "Hero", 4, 7, 0);
  EXPECT_EQ(state.enemyStats.damageTaken, 60);
  EXPECT_EQ(state.enemyStats.largestHit, 30);
  EXPECT_EQ(state.enemyStats.knockOuts, 2);
  EXPECT_EQ(state.partyStats.knockOuts, 1);
  EXPECT_EQ(state.partyStats.largestHit, 7);
  std::string lines = join({"　　　Foeは30のダメージを受けた。<br>\n"_sj,
                            "　　　Foeは25のダメージを受けた。<br>\n"_sj, "<br>Foeを倒した！！<br><br>\n"_sj,
                            "　　　Foeは5のダメージを受けた。<br>\n"_sj, "<br>Foeを倒した！！<br><br>\n"_sj,
                            "　　　Heroは7のダメージを受けた。<br>\n"_sj, "<br>Hero、戦闘不能！<br>\n"_sj});
  EXPECT_EQ(state.log.text, lines);
  EXPECT_EQ(state.log.lineCount, 7);
  flushLog(state);
  EXPECT_EQ(state.log.lineCount, 0);
  EXPECT_TRUE(state.log.text.empty());
  EXPECT_EQ(state.memoryReport, lines);
}

TEST(ReportOutput, StatisticsTableEndsWithoutALineEnd) {
  TestFolder folder;
  TestBattle battle;
  BattleState& state = battle.setUp();
  OutputFile summary = OutputFile::create(folder.file("s.html"));
  state.summaryFile = &summary;
  state.enemyStats.damageTaken = 120;
  state.partyStats.hpTotal = -5;
  writeStatisticsTable(state);
  summary.close();
  std::string text = folder.read("s.html");
  EXPECT_EQ(text.substr(0, 42), "<table width=300 border=2>\r\n<tr>\r\n<td bgco");
  EXPECT_NE(text.find(crlf(join({"<td>120</td>\n", "<td>総攻撃量</td>\n"_sj}))), std::string::npos);
  EXPECT_NE(text.find(crlf("<td>-5</td>\n<td>残りＨＰ合計</td>\n"_sj)), std::string::npos);
  EXPECT_TRUE(text.ends_with("</tr>\r\n</tablet>\r\n</html>"));
}

TEST(ReportOutput, BattleLogAppendsTheTextAndABreak) {
  TestFolder folder;
  writeBattleLog(folder.path(), "one<br>\n");
  writeBattleLog(folder.path(), "two");
  EXPECT_EQ(folder.read("battle.log"), "one<br>\r\n<br>\r\ntwo<br>\r\n");
}

TEST(FaultPath, ClosesTheReportAndLogsTheFault) {
  TestFolder folder;
  folder.write("head.dat", "HEAD\n");  // copied byte for byte
  OutputFile report = OutputFile::create(folder.file("r.html"));
  OutputFile summary = OutputFile::create(folder.file("s.html"));
  Combatant combatants[kCombatantCount]{};
  auto state = std::make_unique<BattleState>();
  BattleOptions options;
  options.seed = 1;
  options.workingFolder = folder.path();
  setUpBattle(*state, combatants, &report, &summary, options);
  state->actionCode = -3;
  state->actorIndex = 4;
  state->targetIndex = 1;
  appendLogLine(*state, "lost\n");
  runFaultPath(*state, kIntegerDivideByZero);
  EXPECT_FALSE(report.isOpen());
  EXPECT_EQ(folder.read("r.html"), "HEAD\n" + crlf("<center>■戦闘詳細■</center><br>\n"_sj) + "32999<br>\r\n");
  EXPECT_EQ(folder.read("battle.log"),
            crlf("Code：C0000094 / Skill : -3 act : 4 tar : 1<br>\n"_sj) + "<br>\r\n");
  EXPECT_TRUE(folder.exists("digest.html"));
  EXPECT_TRUE(folder.exists("debug.txt"));
}

}  // namespace
