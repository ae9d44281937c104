// The sample working folder fought by the real battle, whose pagegen writes
// the status pages; headless Chromium then decodes each page through its
// Shift_JIS header, and the tests read the text the browser made of it.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "chromium.h"
#include "common/sjis_decode.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// battle starts pagegen without waiting for it, and pagegen writes left.html
// last: the pages are done once left.html is closed with its last line.
bool waitForPages(const TestFolder& folder) {
  for (int attempt = 0; attempt < 600; ++attempt) {
    std::string left = folder.read("left.html");
    if (left.size() >= 9 && left.compare(left.size() - 9, 9, "</html>\r\n") == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

std::string withoutTags(const std::string& html) {
  static const std::regex tag("<[^>]*>");
  return std::regex_replace(html, tag, "");
}

// The browser serialises text with its markup characters escaped.
std::string unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::strlen(entity), character);
    }
  }
  return text;
}

std::string trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

class PagesInBrowser : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    chromium_ = findChromium();
    if (chromium_.empty()) return;
    demo_ = std::make_unique<TestFolder>();
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(EXAMPLES_DIR) / "working_folder")) {
      fs::path target = demo_->path() / fs::relative(entry.path(), fs::path(EXAMPLES_DIR) / "working_folder");
      if (entry.is_directory()) fs::create_directories(target);
      if (entry.is_regular_file()) fs::copy_file(entry.path(), target);
    }
    pid_t child = ::fork();
    if (child == 0) {
      if (::chdir(demo_->path().c_str()) != 0) ::_exit(126);
      ::setenv("BATTLE_SEED", "20240601", 1);
      std::string battle = std::string(BIN_DIR) + "/battle";
      ::execl(battle.c_str(), battle.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    pagesReady_ = waitForPages(*demo_);
  }
  static void TearDownTestSuite() { demo_.reset(); }

  void SetUp() override {
    if (chromium_.empty()) GTEST_SKIP() << "chromium is not installed";
    ASSERT_TRUE(pagesReady_) << "pagegen wrote no complete left.html";
  }

  // The page as the browser decoded it, serialised back to HTML (UTF-8).
  static std::string browserDom(const std::string& page) {
    int code = 0;
    std::string dom = ::browserDom(chromium_, demo_->file(page), code);
    EXPECT_EQ(code, 0) << "chromium on " << page;
    return dom;
  }

  // Every line of the page that holds Japanese text, decoded by our own
  // table, must be in the browser's text: the header's charset reached it.
  static void expectDecodedAsShiftJis(const std::string& page, const std::string& dom) {
    std::string text = unescaped(withoutTags(dom));
    EXPECT_EQ(dom.find("\xEF\xBF\xBD"), std::string::npos) << page << " holds undecodable bytes";
    std::istringstream lines(cp932ToUtf8(demo_->read(page)));
    for (std::string line; std::getline(lines, line);) {
      line = trimmed(withoutTags(line));
      bool japanese = false;
      for (char c : line) japanese = japanese || static_cast<unsigned char>(c) >= 0x80;
      if (japanese) {
        EXPECT_NE(text.find(line), std::string::npos) << page << ": " << line;
      }
    }
  }

  static std::string bodyText(const std::string& dom) {
    std::size_t body = dom.find("<body");
    return body == std::string::npos ? std::string() : trimmed(withoutTags(dom.substr(body)));
  }

  static std::string chromium_;
  static std::unique_ptr<TestFolder> demo_;
  static bool pagesReady_;
};

std::string PagesInBrowser::chromium_;
std::unique_ptr<TestFolder> PagesInBrowser::demo_;
bool PagesInBrowser::pagesReady_ = false;

TEST_F(PagesInBrowser, LeftPanelShowsTheParty) {
  std::string dom = browserDom("left.html");
  EXPECT_NE(bodyText(dom), "");
  EXPECT_NE(dom.find("名前：アレン"), std::string::npos);
  EXPECT_NE(dom.find("職業：軽装戦士・男"), std::string::npos);
  EXPECT_NE(dom.find("名前：ミーナ"), std::string::npos);
  EXPECT_NE(dom.find("職業：魔法使い・女"), std::string::npos);
  EXPECT_NE(dom.find("<title>パーティー</title>"), std::string::npos);
  expectDecodedAsShiftJis("left.html", dom);
}

TEST_F(PagesInBrowser, DetailPageShowsTheFirstMember) {
  std::string dom = browserDom("ste1.html");
  EXPECT_NE(bodyText(dom), "");
  EXPECT_NE(dom.find("名前　：　アレン"), std::string::npos);
  EXPECT_NE(dom.find("職業　：　軽装戦士・男"), std::string::npos);
  EXPECT_NE(dom.find("　フェニックス"), std::string::npos);
  expectDecodedAsShiftJis("ste1.html", dom);
}

TEST_F(PagesInBrowser, BattleReportShowsItsTitle) {
  std::string dom = browserDom("battle_report.html");
  EXPECT_NE(bodyText(dom), "");
  EXPECT_NE(dom.find("■戦闘詳細■"), std::string::npos);
  expectDecodedAsShiftJis("battle_report.html", dom);
}

TEST_F(PagesInBrowser, SummaryPageDecodes) {
  std::string dom = browserDom("battle_summary.html");
  EXPECT_NE(dom.find("<body"), std::string::npos);
  // The battle writes its summary text once it settles the outcome; until
  // then the page is empty, and an empty file is all there is to check.
  if (!demo_->read("battle_summary.html").empty()) {
    EXPECT_NE(bodyText(dom), "");
  }
  expectDecodedAsShiftJis("battle_summary.html", dom);
}

}  // namespace
