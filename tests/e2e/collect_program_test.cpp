// The collector run for real. COLLECT_INSTALL_DIR names the install folder;
// a relative name is taken from the working folder, so each test keeps its
// install folder inside its own temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

class CollectProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("COLLECT_INSTALL_DIR", "install", 1);
    fs::create_directory(work.file("install"));
  }
  void TearDown() override { ::unsetenv("COLLECT_INSTALL_DIR"); }

  int collect() { return runProgramIn("collect", work.path(), std::nullopt); }

  TestFolder work;
};

TEST_F(CollectProgram, MovesTheResultFileIntoTheWorkingFolder) {
  work.write("install/_qzres.txt", "score=12\r\n\x82\xa0");
  EXPECT_EQ(collect(), 0);
  EXPECT_EQ(work.read("qzres.txt"), "score=12\r\n\x82\xa0");
  EXPECT_FALSE(work.exists("install/_qzres.txt"));
  // The second run finds no input and an output: it fails and changes nothing.
  EXPECT_EQ(collect(), 255);
  EXPECT_EQ(work.read("qzres.txt"), "score=12\r\n\x82\xa0");
}

TEST_F(CollectProgram, KeepsAnExistingResult) {
  work.write("install/_qzres.txt", "new");
  work.write("qzres.txt", "old");
  EXPECT_EQ(collect(), 255);
  EXPECT_EQ(work.read("install/_qzres.txt"), "new");
  EXPECT_EQ(work.read("qzres.txt"), "old");
}

TEST_F(CollectProgram, FailsWithoutInput) {
  EXPECT_EQ(collect(), 255);
  EXPECT_FALSE(fs::exists(fs::symlink_status(work.file("qzres.txt"))));
}

}  // namespace
