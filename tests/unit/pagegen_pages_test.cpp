// The page generator's tables and its rules for pages that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "battle/skills/skill_catalogue.h"
#include "common/sjis.h"
#include "pagegen/page_tables.h"
#include "pagegen/status_pages.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(PageTables, SkillNamesDifferFromTheBattlesInFiveRows) {
  std::vector<int> differing;
  for (int id = 0; id < kPageSkillCount; ++id) {
    if (pageSkillName(id) != skillName(id)) differing.push_back(id);
  }
  EXPECT_EQ(differing, (std::vector<int>{65, 103, 117, 118, 120}));
  EXPECT_EQ(pageSkillName(103), "フェニックス"_sj);
  EXPECT_EQ(pageSkillName(118), "ブラッディローズ"_sj);
}

TEST(PageTables, ValuesOutsideTheTablesShowNothing) {
  for (int value : {-1, -2147483647 - 1, 143, 150, 2147483647}) EXPECT_EQ(pageSkillName(value), "");
  for (int job : {-1, 17}) EXPECT_EQ(jobName(job), "");
  for (int weapon : {-1, 34}) {
    EXPECT_EQ(weaponAt(weapon).name, "");
    EXPECT_EQ(weaponAt(weapon).value, 0);
  }
  for (int armour : {-1, 24}) {
    EXPECT_EQ(armourAt(armour).name, "");
    EXPECT_EQ(armourAt(armour).value, 0);
  }
  EXPECT_EQ(jobName(16), "ロボ"_sj);
  EXPECT_EQ(weaponAt(33).name, "クリスタルソード"_sj);
  EXPECT_EQ(weaponAt(33).value, 28);
  EXPECT_EQ(armourAt(23).name, "クリスタルメイル"_sj);
  EXPECT_EQ(armourAt(23).value, 20);
}

// A folder in a page's place makes that page impossible to create.
TEST(StatusPages, PageThatCannotBeCreatedStopsTheLaterDetailPages) {
  struct Case {
    const char* blocked;
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {"ste1.html", {"left.html"}},
      {"ste2.html", {"ste1.html", "left.html"}},
      {"ste3.html", {"ste1.html", "ste2.html", "left.html"}},
      {"left.html", {"ste1.html", "ste2.html", "ste3.html"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocked);
    TestFolder work;
    fs::create_directory(work.file(c.blocked));
    writeStatusPages(work.path());
    std::vector<std::string> written;
    for (const char* page : {"ste1.html", "ste2.html", "ste3.html", "left.html"}) {
      if (fs::is_regular_file(work.file(page))) written.push_back(page);
    }
    EXPECT_EQ(written, c.written);
    EXPECT_TRUE(fs::is_directory(work.file(c.blocked)));
  }
}

TEST(StatusPages, MissingHeadersCopyNothing) {
  TestFolder work;
  writeStatusPages(work.path());
  EXPECT_EQ(work.read("ste1.html").rfind("<TABLE cellpadding=\"5\"", 0), 0u);
  EXPECT_EQ(work.read("left.html").rfind("<TABLE cellpadding=\"5\"", 0), 0u);
}

}  // namespace
