// The pages of the report drawn from the documents of tests/fixtures/sim_html.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "tools/sim_html/html_report.h"

namespace {

using nlohmann::json;

json loadFixture(const std::string& name) {
  std::ifstream in(std::string(FIXTURE_DIR) + "/" + name + ".json", std::ios::binary);
  EXPECT_TRUE(in) << name;
  return json::parse(in);
}

std::size_t countOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

std::vector<std::string> chartsOf(const std::string& page) {
  std::vector<std::string> charts;
  for (std::size_t at = page.find("<svg"); at != std::string::npos; at = page.find("<svg", at + 1)) {
    std::size_t end = page.find("</svg>", at);
    charts.push_back(page.substr(at, end == std::string::npos ? std::string::npos : end + 6 - at));
  }
  return charts;
}

// Every element of the page is closed in the order it was opened. Text never
// holds a raw '<' (names are escaped), so a plain scan finds every tag.
::testing::AssertionResult tagsNest(const std::string& page) {
  std::vector<std::string> open;
  static const std::regex tag(R"(<(/?)([a-zA-Z][a-zA-Z0-9]*)[^<>]*?(/?)>)");
  std::size_t scanned = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), tag); it != std::sregex_iterator(); ++it) {
    const std::smatch& match = *it;
    std::string between = page.substr(scanned, match.position() - scanned);
    if (between.find('<') != std::string::npos && between.find("<!DOCTYPE") == std::string::npos) {
      return ::testing::AssertionFailure() << "a stray '<' before " << match.str();
    }
    scanned = match.position() + match.length();
    std::string name = match[2];
    if (match[3] == "/" || name == "meta") continue;
    if (match[1] == "") {
      open.push_back(name);
    } else if (open.empty() || open.back() != name) {
      return ::testing::AssertionFailure()
             << "</" << name << "> closes " << (open.empty() ? "nothing" : open.back());
    } else {
      open.pop_back();
    }
  }
  if (!open.empty()) return ::testing::AssertionFailure() << "<" << open.back() << "> is never closed";
  return ::testing::AssertionSuccess();
}

struct PageCase {
  const char* fixture;
  std::vector<std::string> charts;  // the data-chart kinds in page order
  std::vector<std::string> texts;   // texts the page must show
};

TEST(ReportPages, EveryFixtureRendersItsChartsAndFacts) {
  const PageCase cases[] = {
      {"run",
       {"shares", "histogram", "bars", "bars", "bars"},
       {"Outcome shares", "Actions per battle", "Damage per battle by combatant",
        "Damage per battle by skill", "Activations per battle by skill", "スライム (enemy3)",
        "ファイア · ミーナ", "61.23%", "60.93–61.53%", "0.0000–0.0038%", "1–100,000", "100,000"}},
      {"sweep",
       {"lines", "lines", "lines"},
       {"Outcome rates against enemy1.max_hp", "Mean actions per battle against enemy1.max_hp",
        "Mean damage per battle by side against enemy1.max_hp", "from 150 to 400 in steps of 50", "1–2,000"}},
      {"sweep_grid",
       {"heatmap", "lines"},
       {"Win rate by enemy1.max_hp and member1.speed",
        "Win rate against member1.speed, one line per enemy1.max_hp"}},
      {"compare",
       {"shares", "intervals"},
       {"Paired difference of each outcome rate, B − A", "<code>member2.skill1=30</code>",
        "1,808 of 20,000 battles", "+3.13 pp"}},
      {"weights",
       {"intervals", "shares"},
       {"Change of the win rate when a stat of ミーナ rises by 10", "Stat weights of ミーナ", "+3.12 pp",
        "+2.61 to +3.63 pp", "Baseline outcomes"}},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.fixture);
    std::string page = renderHtmlReport(loadFixture(c.fixture));
    EXPECT_TRUE(tagsNest(page));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">", 0), 0u);
    // Nothing outside the page: no script, no link, no image, no address to fetch.
    for (const char* outside : {"<script", "<link", "<img", "src=", "href=", "url(", "@import"}) {
      EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    }
    std::vector<std::string> kinds;
    for (const std::string& chart : chartsOf(page)) {
      std::smatch kind;
      std::regex_search(chart, kind, std::regex("data-chart=\"([a-z]+)\""));
      kinds.push_back(kind[1]);
      std::size_t shapes = countOf(chart, "<rect") + countOf(chart, "<path") + countOf(chart, "<circle");
      EXPECT_GE(shapes, 3u) << kind[1];
      EXPECT_NE(chart.find("<title>"), std::string::npos);
    }
    EXPECT_EQ(kinds, c.charts);
    for (const std::string& text : c.texts) EXPECT_NE(page.find(text), std::string::npos) << text;
    EXPECT_NE(page.find("examples/working_folder"), std::string::npos);
    EXPECT_NE(page.find("battle-sim 1.0.0"), std::string::npos);
  }
}

TEST(ReportPages, HostileNamesAreEscapedEverywhere) {
  const std::string hostile = "<img src=x onerror=alert(1)>\"'&";
  const std::string escaped = "&lt;img src=x onerror=alert(1)&gt;&quot;&#39;&amp;";
  json run = loadFixture("run");
  run["folder"] = hostile;
  run["sets"] = json::array({hostile});
  run["combatants"][3]["name"] = "アレン" + hostile;
  run["skills"][0]["name"] = hostile;
  run["skills"][0]["user_name"] = hostile;
  run["party"][0]["name"] = hostile;
  json compare = loadFixture("compare");
  compare["a"]["label"] = hostile;
  compare["b"]["result"]["sets"] = json::array({hostile});
  json weights = loadFixture("weights");
  weights["weights"][0]["field"] = hostile;
  weights["baseline"]["party"][1]["name"] = hostile;
  json sweep = loadFixture("sweep");
  sweep["vary"][0]["field"] = hostile;
  for (const json& doc : {run, compare, weights, sweep}) {
    SCOPED_TRACE(doc["command"].get<std::string>());
    std::string page = renderHtmlReport(doc);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find(hostile), std::string::npos);
    EXPECT_NE(page.find(escaped), std::string::npos);
    EXPECT_TRUE(tagsNest(page));
  }
  EXPECT_NE(renderHtmlReport(run).find("アレン" + escaped + " (member1)"), std::string::npos);
}

TEST(ReportPages, RunWithoutSkillsSaysSoAndDrawsNoSkillChart) {
  json run = loadFixture("run");
  run["skills"] = json::array();
  std::string page = renderHtmlReport(run);
  EXPECT_NE(page.find("No skill fired in these battles."), std::string::npos);
  EXPECT_EQ(page.find("by skill"), std::string::npos);
  EXPECT_EQ(chartsOf(page).size(), 3u);
  EXPECT_TRUE(tagsNest(page));
}

TEST(ReportPages, GridSweepDrawsEveryCellOnce) {
  json grid = loadFixture("sweep_grid");
  std::string page = renderHtmlReport(grid);
  ASSERT_EQ(chartsOf(page).size(), 2u);
  std::string map = chartsOf(page)[0];
  // Twenty cells, each with its pair of values and its interval in the tooltip.
  EXPECT_EQ(countOf(map, "<title>enemy1.max_hp = "), 20u);
  EXPECT_NE(map.find("<title>enemy1.max_hp = 350, member1.speed = 10: win 33.16% (31.87–34.48%)</title>"),
            std::string::npos);
  EXPECT_NE(map.find(">33.2%</text>"), std::string::npos);
  EXPECT_EQ(page.find("Outcome rates against"), std::string::npos);

  // A point missing from the grid leaves its cell grey; the others stay.
  grid["points"].erase(grid["points"].begin() + 7);
  map = chartsOf(renderHtmlReport(grid))[0];
  EXPECT_EQ(countOf(map, "<title>enemy1.max_hp = "), 19u);
  EXPECT_EQ(countOf(map, "fill=\"#eeeeee\""), 1u);
}

TEST(ReportPages, MissingFiguresReadAsZero) {
  for (const char* text : {R"({"command": "run"})", R"({"command": "sweep"})", R"({"command": "compare"})",
                           R"({"command": "weights", "weights": [{"field": "attack", "diff": "x"}]})",
                           R"({"command": "run", "battles": "many", "outcomes": [], "combatants": {}})",
                           R"({"command": "run", "seed_ranges": [[1e300, -1e300]],
                               "actions": {"histogram": [[-3, 5], [1e300, 2], [2, -1], [4000, 7], [9, 1]]}})",
                           R"({"command": "compare", "changed": {"transitions": [
                               {"from": "win", "to": "fault", "count": 8000000000000000000},
                               {"from": "win", "to": "fault", "count": 8000000000000000000}]}})"}) {
    SCOPED_TRACE(text);
    std::string page;
    ASSERT_NO_THROW(page = renderHtmlReport(json::parse(text)));
    EXPECT_TRUE(tagsNest(page));
    EXPECT_EQ(page.find("nan"), std::string::npos);
    EXPECT_EQ(page.find("inf"), std::string::npos);
  }
}

TEST(ReportPages, DocumentsWithoutAPageAreRefused) {
  for (const char* text : {R"([1, 2])", R"({"command": "merge"})", R"({"tool": "battle-sim"})", R"("run")"}) {
    EXPECT_THROW(renderHtmlReport(json::parse(text)), std::invalid_argument) << text;
  }
}

}  // namespace
