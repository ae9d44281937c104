// Replacing a file through its one temporary file: a killed run's leftover is
// reused, and a second writer at the same moment fails without harm.
#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(ReplaceFile, ReusesTheTemporaryFileOfAKilledRun) {
  TestFolder folder;
  folder.write("status1.dat", "old");
  folder.write("status1.dat.tmp", "half of a record left by a killed run, longer than the new one");
  ASSERT_TRUE(replaceFileAtomically(folder.file("status1.dat"), "new"));
  EXPECT_EQ(folder.read("status1.dat"), "new");
  EXPECT_FALSE(folder.exists("status1.dat.tmp"));
}

#if !defined(_WIN32)
TEST(ReplaceFile, SecondWriterFailsAndChangesNothing) {
  TestFolder folder;
  folder.write("status1.dat", "old");
  int other = ::open(folder.file("status1.dat.tmp").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_FALSE(replaceFileAtomically(folder.file("status1.dat"), "new"));
  EXPECT_EQ(folder.read("status1.dat"), "old");
  EXPECT_TRUE(folder.exists("status1.dat.tmp")) << "the other writer's file is not touched";
  ::close(other);
}

TEST(ReplaceFile, TemporaryNameThatIsALinkIsNotFollowed) {
  TestFolder folder;
  folder.write("status1.dat", "old");
  folder.write("elsewhere", "kept");
  fs::create_symlink(folder.file("elsewhere"), folder.file("status1.dat.tmp"));
  EXPECT_FALSE(replaceFileAtomically(folder.file("status1.dat"), "new"));
  EXPECT_EQ(folder.read("elsewhere"), "kept");
  EXPECT_EQ(folder.read("status1.dat"), "old");
}
#endif

}  // namespace
