// battle-sim run for real: its figures against battle's own reports, replay
// against battle, shards, threads, the what-if commands and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <thread>

#include "common/sjis_decode.h"
#include "sim_runner.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kSample = std::string(EXAMPLES_DIR) + "/working_folder";

std::string fixtureInput(const char* name) { return (fixturePath(name) / "input").string(); }

// What battle's report says about one battle, summed by combatant name.
struct ReportFigures {
  std::map<std::string, std::int64_t> outcomes;
  std::map<std::string, std::map<std::string, std::int64_t>> byName;  // name -> key -> total
  bool passiveRevival = false;                                        // a revival the report does not name
};

std::string bridgeLine(const std::string& folder, int line) {
  std::ifstream in(folder + "/Bridge.txt", std::ios::binary);
  std::string text;
  for (int i = 0; i <= line && std::getline(in, text);) ++i;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  return text;
}

void readReport(const std::string& report, ReportFigures& figures) {
  static const std::regex header("(?:--->|<---)　(.*)の攻撃！");
  static const std::regex damage("^　　　(.*)は(-?[0-9]+)のダメージを受けた。<br>");
  static const std::regex knockOut("^<br>(.*)(?:、戦闘不能！|を倒した！！)<br>");
  static const std::regex revived("^　　　(.*)、復活！！<br>");
  static const std::regex item("^□　　.*を(?:仲間に)?使用。<br>");
  std::string actor, lastTarget;
  std::istringstream in(report);
  std::smatch m;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (std::regex_search(line, m, header)) actor = m[1];
    if (std::regex_search(line, m, damage)) {
      figures.byName[actor]["damage_dealt"] += std::stoll(m[2]);
      figures.byName[m[1]]["damage_taken"] += std::stoll(m[2]);
      lastTarget = m[1];
    } else if (std::regex_search(line, m, knockOut)) {
      ++figures.byName[actor]["knockouts"];
      ++figures.byName[lastTarget]["fallen"];
    } else if (std::regex_search(line, m, revived)) {
      ++figures.byName[m[1]]["revived"];
    } else if (std::regex_search(line, m, item)) {
      ++figures.byName[actor]["items_used"];
    }
    if (line.find("オートガード発動") != std::string::npos ||
        line.find("完全復活発動") != std::string::npos) {
      figures.passiveRevival = true;
    }
  }
  const char* outcome = report.find("32999<br>") != std::string::npos        ? "fault"
                        : report.find("全滅しました。") != std::string::npos ? "annihilation"
                        : report.find("判定負け") != std::string::npos       ? "judgement_loss"
                        : report.find("判定勝ち") != std::string::npos       ? "judgement_win"
                                                                             : "win";
  ++figures.outcomes[outcome];
  if (report.find("ゲームオーバー。") != std::string::npos) ++figures.outcomes["game_over"];
}

// battle once per seed in a fresh copy of the folder.
ReportFigures battleFigures(const std::string& folder, int firstSeed, int battles) {
  ReportFigures figures;
  for (int seed = firstSeed; seed < firstSeed + battles; ++seed) {
    TestFolder copy;
    copyTree(folder, copy.path());
    EXPECT_EQ(runProgramIn("battle", copy.path(), std::to_string(seed)), 1);
    readReport(cp932ToUtf8(copy.read(bridgeLine(folder, 3))), figures);
  }
  return figures;
}

TEST(BattleSim, FiguresEqualBattlesReportsSeedBySeed) {
  struct Folder {
    std::string path;
    // Some monster skills hit without a header line: the report does not
    // name their dealer, so only the sums over everybody can be compared.
    bool headerlessHits;
  };
  const Folder folders[] = {{kSample, false},
                            {fixtureInput("skills_monsters"), true},
                            {fixtureInput("skills_1_to_50_damage"), false},
                            {fixtureInput("skills_51_to_100_support"), false},
                            {fixtureInput("combat_annihilation"), false},
                            {fixtureInput("combat_fault"), false}};
  const char* const keys[] = {"damage_dealt", "damage_taken", "knockouts", "fallen", "revived", "items_used"};
  for (const auto& [folder, headerlessHits] : folders) {
    SCOPED_TRACE(folder);
    ReportFigures want = battleFigures(folder, 1, 12);
    json doc = simJson({"run", folder, "--seed", "1", "--battles", "12", "--threads", "2", "--json"});
    for (const char* key : {"win", "annihilation", "judgement_win", "judgement_loss", "fault", "game_over"}) {
      EXPECT_EQ(doc["outcomes"][key]["count"], want.outcomes[key]) << key;
    }
    std::map<std::string, std::map<std::string, std::int64_t>> got;
    for (const json& row : doc["combatants"]) {
      for (const char* key : keys) got[row["name"]][key] += row["totals"][key].get<std::int64_t>();
    }
    std::map<std::string, std::int64_t> gotSums, wantSums;
    for (auto& [name, figures] : got) {
      for (auto& [key, total] : figures) {
        gotSums[key] += total;
        wantSums[key] += want.byName[name][key];
        if (key == "revived" && want.passiveRevival) continue;
        if (headerlessHits && (key == "damage_dealt" || key == "knockouts")) continue;
        EXPECT_EQ(total, want.byName[name][key]) << name << " " << key;
      }
    }
    for (const char* key : {"damage_dealt", "damage_taken", "knockouts", "fallen"}) {
      EXPECT_EQ(gotSums[key], wantSums[key] + (key == std::string("damage_dealt") ? want.byName[""][key] : 0))
          << key;
    }
  }
}

std::string normalisedTime(const std::string& name, std::string bytes) {
  if (fs::path(name).filename() != "digest.html") return bytes;
  static const std::regex time("[0-9]{4}/[0-9]{2}/[0-9]{2}\x81\x40[0-9]{2}:[0-9]{2}:[0-9]{2}");
  return std::regex_replace(bytes, time, "time");
}

std::map<std::string, std::string> normalisedContents(const std::string& folder) {
  std::map<std::string, std::string> files = folderContents(folder);
  for (auto& [name, bytes] : files) bytes = normalisedTime(name, bytes);
  return files;
}

// battle, then pagegen as battle starts it, against replay, which starts
// pagegen on its own: the folders match once pagegen is done.
TEST(BattleSim, ReplayWritesTheBytesOfBattleAndThePages) {
  for (int seed : {3, 83}) {
    TestFolder work;
    const std::string expected = work.path() + "/expected";
    copyTree(fixtureInput("skills_monsters"), expected);
    ASSERT_EQ(runProgramIn("battle", expected, std::to_string(seed)), 1);
    ASSERT_EQ(runProgramIn("pagegen", expected, std::nullopt), 1);
    const std::string replayed = work.path() + "/replayed";
    SimRun run = runSim({"replay", fixtureInput("skills_monsters"), std::to_string(seed), "--out", replayed});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto want = normalisedContents(expected);
    for (int i = 0; i < 200 && normalisedContents(replayed) != want; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    auto got = normalisedContents(replayed);
    ASSERT_EQ(got.size(), want.size());
    for (const auto& [name, bytes] : want)
      EXPECT_TRUE(got[name] == bytes) << name << " differs, seed " << seed;
  }
}

TEST(BattleSim, ShardsMergeIntoOneRun) {
  TestFolder out;
  const std::vector<std::string> run = {"run", kSample, "--battles", "300", "--seed", "40", "--json"};
  const std::vector<std::string> sweep = {"sweep",     kSample, "--vary", "enemy1.speed=5:25:10",
                                          "--battles", "90",    "--json"};
  const std::vector<std::string> compare = {
      "compare", kSample, "--a", "member1.attack=5", "--b", "member1.attack=50", "--battles", "90", "--json"};
  const std::vector<std::string> weights = {"weights",      kSample,     "--member", "2",     "--fields",
                                            "attack,speed", "--battles", "90",       "--json"};
  for (const auto& command : {run, sweep, compare, weights}) {
    std::vector<std::string> files;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
      auto args = command;
      args.insert(args.end(), {"--shard", shard});
      files.push_back(out.file(command[0] + std::to_string(files.size()) + ".json"));
      writeFileBytes(files.back(), simJson(args).dump());
    }
    std::vector<std::string> merge = {"merge", files[2], files[0], files[1]};
    EXPECT_EQ(withoutSpeed(simJson(merge)), withoutSpeed(simJson(command))) << command[0];
  }
}

TEST(BattleSim, ThreadCountsGiveTheSameDocument) {
  const std::vector<std::string> args = {"run", fixtureInput("skills_monsters"), "--battles", "600",
                                         "--json"};
  json one = withoutSpeed(simJson([&] {
    auto a = args;
    a.insert(a.end(), {"--threads", "1"});
    return a;
  }()));
  for (const char* threads : {"2", "7"}) {
    auto a = args;
    a.insert(a.end(), {"--threads", threads});
    EXPECT_EQ(withoutSpeed(simJson(a)), one) << threads << " threads";
  }
  EXPECT_EQ(one["battles"], 600);
}

TEST(BattleSim, SweepPointEqualsRunWithTheSameChange) {
  json sweep =
      simJson({"sweep", kSample, "--vary", "enemy1.max_hp=150:250:100", "--battles", "80", "--json"});
  ASSERT_EQ(sweep["points"].size(), 2u);
  json point = sweep["points"][1];
  EXPECT_EQ(point["values"]["enemy1.max_hp"], 250);
  json run = simJson({"run", kSample, "--set", "enemy1.max_hp=250", "--battles", "80", "--json"});
  EXPECT_EQ(withoutSpeed(point["result"]), withoutSpeed(run));
}

TEST(BattleSim, CompareOfAFolderWithItselfChangesNothing) {
  json doc = simJson({"compare", kSample, kSample, "--battles", "200", "--json"});
  EXPECT_EQ(doc["changed"]["total"], 0);
  for (auto& [key, row] : doc["differences"].items()) {
    EXPECT_EQ(row["diff"], 0.0) << key;
    EXPECT_EQ(row["ci95"], json::array({0.0, 0.0})) << key;
  }
  json sets = simJson({"compare", kSample, "--a", "member1.attack=1", "--b", "member1.attack=200",
                       "--battles", "200", "--json"});
  EXPECT_GT(sets["changed"]["total"].get<int>(), 0);
}

// The weapon is shown on the pages only: no rule reads it.
TEST(BattleSim, WeightOfAStatNoRuleReadsIsZero) {
  json doc = simJson({"weights", kSample, "--member", "2", "--delta", "30", "--fields", "weapon,attack",
                      "--battles", "300", "--json"});
  ASSERT_EQ(doc["weights"].size(), 2u);
  for (const json& row : doc["weights"]) {
    if (row["field"] != "weapon") continue;
    EXPECT_EQ(row["diff"], 0.0);
    EXPECT_EQ(row["improved"], 0);
    EXPECT_EQ(row["worsened"], 0);
  }
}

TEST(BattleSim, BadInputExitsTwoNamingTheProblem) {
  TestFolder empty;
  TestFolder existing;
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"run", kSample, "--frobnicate"}, "--frobnicate"},
      {{"run", kSample, "--battles", "-5"}, "--battles: '-5' is not a positive integer"},
      {{"run", kSample, "--battles", "abc"}, "--battles: 'abc' is not a positive integer"},
      {{"run", kSample, "--battles", "0"}, "--battles: '0' is not a positive integer"},
      {{"run", kSample, "--battles", "99999999999999999999"}, "--battles"},
      {{"run", kSample, "--seed", "4294967296"}, "--seed: '4294967296' is not a seed from 0 to 4294967295"},
      {{"run", kSample, "--seed", "-1"}, "--seed"},
      {{"run", kSample, "--threads", "0"}, "--threads: '0' is not a positive integer"},
      {{"run", empty.path()}, "no usable Bridge.txt"},
      {{"run", empty.path() + "/missing"}, "does not exist"},
      {{"replay", kSample, "5"}, "--out DIR is missing"},
      {{"replay", kSample, "5", "--out", existing.path()}, "exists already"},
      {{"run", kSample, "--set", "boss.hp=5"}, "unknown combatant 'boss'"},
      {{"run", kSample, "--set", "enemy1.luck=5"}, "unknown field 'luck'"},
      {{"run", kSample, "--set", "enemy1.hp=lots"}, "value 'lots' of enemy1.hp is not an integer"},
      {{"sweep", kSample, "--vary", "enemy1.hp=10:1:5"}, "STEP 5 does not lead from 10 to 1"},
      {{"seeds", kSample, "--outcome", "draw"}, "--outcome: 'draw'"},
      {{"weights", kSample, "--member", "4"}, "--member: 4 is more than 3"},
      {{"run", kSample, "--shard", "3/2"}, "--shard: '3/2' is not K/N"},
  };
  for (const Case& c : cases) {
    SimRun run = runSim(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << c.message;
  }
}

TEST(BattleSim, MissingCharacterFileIsAWarningNotAnError) {
  SimRun run = runSim({"run", fixtureInput("combat_fault"), "--battles", "10"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("warning: character file 'status3.dat' is missing"), std::string::npos) << run.err;
}

TEST(BattleSim, SeedsListsTheBattlesThatEndedSo) {
  SimRun run = runSim({"seeds", kSample, "--outcome", "judgement_loss", "--limit", "3", "--battles", "500"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::istringstream lines(run.out);
  int listed = 0;
  for (std::string seed; std::getline(lines, seed); ++listed) {
    json doc = simJson({"run", kSample, "--seed", seed, "--battles", "1", "--json"});
    EXPECT_EQ(doc["outcomes"]["judgement_loss"]["count"], 1) << seed;
  }
  EXPECT_EQ(listed, 3);
}

}  // namespace
