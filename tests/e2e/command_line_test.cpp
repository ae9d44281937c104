// The programs' command line and BATTLE_SEED. The host passes no argument; an
// operator may ask --version or --help, and a replay names its seed. Asking
// and mistakes leave the working folder as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/version.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// The sample working folder, and a result file waiting for collect in an
// install folder inside it.
void copySampleFolder(const TestFolder& folder) {
  for (const auto& [file, bytes] : folderContents(fs::path(EXAMPLES_DIR) / "working_folder")) {
    fs::create_directories((fs::path(folder.path()) / file).parent_path());
    writeFileBytes(fs::path(folder.path()) / file, bytes);
  }
  fs::create_directories(fs::path(folder.path()) / "kadmo");
  folder.write("install/_qzres.txt", "score=1\r\n");
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::size_t lineCount(const std::string& text) {
  std::size_t count = 0;
  for (char c : text) count += c == '\n';
  return count;
}

class CommandLine : public ::testing::Test {
 protected:
#if !defined(_WIN32)
  void SetUp() override { ::setenv("COLLECT_INSTALL_DIR", "install", 1); }
  void TearDown() override { ::unsetenv("COLLECT_INSTALL_DIR"); }
#endif
};

TEST_F(CommandLine, VersionAndHelpPrintAndTouchNoFile) {
  TestFolder folder;
  copySampleFolder(folder);
  const auto before = folderContents(folder.path());
  for (const std::string program : {"battle", "pagegen", "collect"}) {
    for (const std::string request : {"--version", "--help"}) {
      SCOPED_TRACE(program + " " + request);
      ProgramRun run = runProgramWith(program, folder.path(), {request}, "7");
      EXPECT_EQ(run.exitCode, 0);
      EXPECT_EQ(firstLine(run.out), program + " " BATTLE_MODULE_VERSION);
      if (request == "--version") {
        EXPECT_EQ(lineCount(run.out), 1u);
      } else {
        EXPECT_NE(run.out.find("Usage: " + program), std::string::npos) << run.out;
      }
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(folderContents(folder.path()), before);
    }
  }
}

// Anything else on the command line is ignored: the battle is the one the
// folder and the seed give, byte for byte.
TEST_F(CommandLine, OtherArgumentsAreIgnored) {
  const std::vector<std::string> commandLines[] = {
      {"--verbose"}, {"-h"}, {"version"}, {"--version", "--help"}, {"--help", ""}};
  for (const auto& arguments : commandLines) {
    EXPECT_TRUE(runFixture("sample_battle", "battle", arguments)) << arguments[0];
    EXPECT_TRUE(runFixture("pagegen_party", "pagegen", arguments)) << arguments[0];
  }
}

TEST_F(CommandLine, BadSeedIsRefusedBeforeAnyFile) {
  TestFolder folder;
  copySampleFolder(folder);
  const auto before = folderContents(folder.path());
  for (const std::string seed :
       {"", "abc", "-1", "+5", " 7", "7 ", "4294967296", "99999999999999999999", "0x10"}) {
    SCOPED_TRACE('"' + seed + '"');
    ProgramRun run = runProgramWith("battle", folder.path(), {}, seed);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lineCount(run.err), 1u) << run.err;
    EXPECT_NE(run.err.find("BATTLE_SEED=\"" + seed + "\""), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(folderContents(folder.path()), before);
  }
}

}  // namespace
