// The page generator run for real: the four pages of a small party, and a
// second run over the first run's pages.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// Member 1: job 16, weapon 33, passive 103, an empty skill slot, a name with
// a 0x5C trail byte. Member 2: values outside every table and negative
// numbers. Member 3: no file. A longer stale left.html must be cut.
TEST(PagegenProgram, SmallPartyMatchesFixture) { EXPECT_TRUE(runFixture("pagegen_party", "pagegen")); }

TEST(PagegenProgram, SecondRunRewritesIdenticalPages) {
  TestFolder work;
  for (const auto& [file, bytes] : folderContents(fixturePath("pagegen_party") / "input"))
    writeFileBytes(fs::path(work.path()) / file, bytes);
  EXPECT_EQ(runProgramIn("pagegen", work.path(), std::nullopt), 1);
  auto first = folderContents(work.path());
  EXPECT_EQ(runProgramIn("pagegen", work.path(), std::nullopt), 1);
  EXPECT_EQ(folderContents(work.path()), first);
  // The fixture keeps the pages the run writes.
  for (const auto& [file, bytes] : folderContents(fixturePath("pagegen_party") / "expected"))
    EXPECT_EQ(first[file], bytes) << file;
}

}  // namespace
