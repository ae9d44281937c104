// The battle program run for real in temporary working folders.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(BattleProgram, SampleFolderMatchesFixture) { EXPECT_TRUE(runFixture("sample_battle")); }

// Bridge.txt cases that stop the run: the files each leaves behind.
TEST(BattleProgram, BridgeFailuresStopBeforeAnyCombatantIsLoaded) {
  struct Case {
    const char* name;
    std::string bridge;  // empty: no Bridge.txt
    std::vector<std::string> created;
  };
  const std::string longName(255, 'e');
  const Case cases[] = {
      {"no Bridge.txt", "", {}},
      {"report folder missing", "e1\r\ne2\r\ne3\r\nmissing\\r.html\r\ns.html\r\n", {}},
      {"summary folder missing", "e1\r\ne2\r\ne3\r\nr.html\r\nmissing\\s.html\r\n", {"r.html"}},
      {"enemy lines missing", "e1\r\n", {}},
      {"line 3 missing", "e1\r\ne2\r\n\r\n", {}},
      {"lines 1 to 3 missing, reports named", "\n", {}},
      {"enemy name too long", longName + "\r\ne2\r\ne3\r\nr.html\r\ns.html\r\n", {}},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    folder.write("status1.dat", "[Data]\r\nN_PARAM_001=5\r\nS_PARAM_000=A\r\n");
    if (!c.bridge.empty()) folder.write("Bridge.txt", c.bridge);
    auto before = folderContents(folder.path());
    EXPECT_EQ(runProgramIn("battle", folder.path(), "1"), 1) << c.name;
    auto after = folderContents(folder.path());
    for (const std::string& file : c.created) {
      EXPECT_EQ(after[file], "") << c.name << ": " << file;
      after.erase(file);
    }
    EXPECT_EQ(after, before) << c.name;
  }
}

// battle starts pagegen from the working folder when its own folder has none;
// the started program inherits none of battle's files.
TEST(BattleProgram, StartsThePageGeneratorWithoutOpenFiles) {
#if defined(_WIN32)
  GTEST_SKIP() << "a shell script stands in for pagegen; tests/windows checks the handles";
#endif
  TestFolder folder;
  for (const auto& [file, bytes] : folderContents(fs::path(EXAMPLES_DIR) / "working_folder")) {
    fs::create_directories((fs::path(folder.path()) / file).parent_path());
    writeFileBytes(fs::path(folder.path()) / file, bytes);
  }
  folder.write("pagegen", "#!/bin/sh\n/bin/ls -l /proc/$$/fd > fds.tmp\n/bin/mv fds.tmp started.txt\n");
  fs::permissions(folder.file("pagegen"), fs::perms::owner_all);
  EXPECT_EQ(runProgramIn("battle", folder.path(), "7"), 1);
  for (int i = 0; i < 100 && !folder.exists("started.txt"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(folder.exists("started.txt"));
  std::string fds = folder.read("started.txt");
  for (const char* name : {".html", ".dat", "debug.txt", "Bridge.txt"}) {
    EXPECT_EQ(fds.find(name), std::string::npos) << name << " inherited:\n" << fds;
  }
}

TEST(BattleProgram, TwoBillionLivesShowAtMost999Stars) {
  TestFolder folder;
  folder.write("Bridge.txt", "e1.dat\r\n\r\n\r\nr.html\r\ns.html\r\n");
  folder.write("e1.dat", "[Data]\r\nN_PARAM_001=1\r\nN_PARAM_010=1\r\nS_PARAM_000=E\r\n");
  folder.write("status1.dat",
               "[Data]\r\nN_PARAM_001=50\r\nN_PARAM_010=50\r\nN_PARAM_003=40\r\nN_PARAM_008=50\r\n"
               "N_PARAM_033=999\r\nN_PARAM_029=2147483647\r\nS_PARAM_000=A\r\n");
  EXPECT_EQ(runProgramIn("battle", folder.path(), "5"), 1);
  std::string summary = folder.read("s.html");
  std::size_t start = summary.find("\x8E\x63\x82\xE8\x83\x89\x83\x43\x83\x74\x81\x46");  // 残りライフ：
  ASSERT_NE(start, std::string::npos);
  std::size_t end = summary.find("<br>", start);
  EXPECT_EQ(end - start, 12u + 999u * 2u);
}

TEST(BattleProgram, NoBridgeStartsNoPageGenerator) {
  TestFolder folder;
  folder.write("pagegen", "#!/bin/sh\n/usr/bin/touch started.txt\n");
  fs::permissions(folder.file("pagegen"), fs::perms::owner_all);
  EXPECT_EQ(runProgramIn("battle", folder.path(), std::nullopt), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(folder.exists("started.txt"));
}

}  // namespace
