// The simulator's HTML report in headless Chromium: sim-html renders each
// document of tests/fixtures/sim_html, the browser parses the page, and the
// tests read the text and the charts of the browser's DOM.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "chromium.h"
#include "support/test_folder.h"

namespace {

std::size_t countOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

std::vector<std::string> chartsOf(const std::string& html) {
  std::vector<std::string> charts;
  for (std::size_t at = html.find("<svg"); at != std::string::npos; at = html.find("<svg", at + 1)) {
    std::size_t end = html.find("</svg>", at);
    charts.push_back(html.substr(at, end == std::string::npos ? std::string::npos : end + 6 - at));
  }
  return charts;
}

// The text of the body as a reader sees it: tags gone, entities decoded.
std::string bodyText(const std::string& dom) {
  std::size_t body = dom.find("<body");
  std::string text =
      std::regex_replace(body == std::string::npos ? "" : dom.substr(body), std::regex("<[^>]*>"), "");
  const std::pair<std::string, std::string> entities[] = {{"&lt;", "<"},  {"&gt;", ">"},   {"&quot;", "\""},
                                                          {"&#39;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, entity.size(), character);
    }
  }
  return text;
}

struct ReportCase {
  const char* fixture;
  const char* name;   // a text with a combatant's name that the page shows
  const char* title;  // a chart's title
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.fixture; }

class ReportInBrowser : public ::testing::TestWithParam<ReportCase> {
 protected:
  void SetUp() override {
    chromium_ = findChromium();
    if (chromium_.empty()) GTEST_SKIP() << "chromium is not installed";
  }

  // The page sim-html makes of `document`, and the DOM Chromium makes of it.
  void open(const std::string& document) {
    page_ = folder_.file("report.html");
    std::string log = folder_.file("sim-html.log");
    ASSERT_EQ(runCapturing({std::string(BIN_DIR) + "/sim-html", document, page_}, log), 0)
        << readFileBytes(log);
    html_ = readFileBytes(page_);
    int code = 0;
    dom_ = browserDom(chromium_, page_, code);
    ASSERT_EQ(code, 0) << "chromium on " << document;
  }

  std::string chromium_;
  TestFolder folder_;
  std::string page_, html_, dom_;
};

TEST_P(ReportInBrowser, ShowsNamesTitlesAndEveryChart) {
  const ReportCase& c = GetParam();
  open(std::string(SIM_HTML_FIXTURE_DIR) + "/" + c.fixture + ".json");
  std::string text = bodyText(dom_);
  EXPECT_NE(text.find(c.name), std::string::npos) << c.name;
  EXPECT_NE(text.find(c.title), std::string::npos) << c.title;
  EXPECT_NE(text.find("examples/working_folder"), std::string::npos);
  EXPECT_EQ(dom_.find("\xEF\xBF\xBD"), std::string::npos) << "undecodable bytes";

  // Every chart of the page reached the browser's DOM whole: the same charts,
  // each with all of its shapes, none dropped or moved by the parser.
  std::vector<std::string> written = chartsOf(html_);
  std::vector<std::string> parsed = chartsOf(dom_);
  ASSERT_FALSE(written.empty());
  ASSERT_EQ(parsed.size(), written.size());
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    SCOPED_TRACE("chart " + std::to_string(i));
    for (const char* shape : {"<rect", "<path", "<circle", "<line", "<text"}) {
      EXPECT_EQ(countOf(parsed[i], shape), countOf(written[i], shape)) << shape;
    }
    EXPECT_GE(countOf(parsed[i], "<rect") + countOf(parsed[i], "<path") + countOf(parsed[i], "<circle"), 3u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReportInBrowser,
    ::testing::Values(
        ReportCase{"run", "ミーナ (member2)", "Damage per battle by combatant"},
        ReportCase{"sweep", "enemy1.max_hp (オーガ) from 150 to 400", "Outcome rates against enemy1.max_hp"},
        ReportCase{"sweep_grid", "member1.speed (アレン) from 10 to 30",
                   "Win rate by enemy1.max_hp and member1.speed"},
        ReportCase{"compare", "ガロン", "Paired difference of each outcome rate, B − A"},
        ReportCase{"weights", "Stat weights of ミーナ", "Change of the win rate when a stat of ミーナ"}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.fixture); });

// A name made of markup is text in the browser, not an element.
TEST_F(ReportInBrowser, HostileNameStaysText) {
  std::string run = readFileBytes(std::string(SIM_HTML_FIXTURE_DIR) + "/run.json");
  const std::string from = "\"name\": \"アレン\"";
  std::size_t at = run.find(from);
  ASSERT_NE(at, std::string::npos);
  run.replace(at, from.size(), R"("name": "アレン<img src=x onerror=alert(1)><b>\"'&")");
  std::string document = folder_.file("hostile.json");
  writeFileBytes(document, run);
  open(document);
  EXPECT_EQ(dom_.find("<img"), std::string::npos);
  EXPECT_EQ(dom_.find("<b>"), std::string::npos);
  EXPECT_NE(bodyText(dom_).find("アレン<img src=x onerror=alert(1)><b>\"'& (member1)"), std::string::npos);
}

}  // namespace
