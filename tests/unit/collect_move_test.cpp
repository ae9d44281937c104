// Moving a file without ever replacing the destination, on one file system
// and across two.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "platform/move_file.h"
#include "platform/move_file_posix.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

using Move = bool (*)(const std::string&, const std::string&);

// Every expected outcome holds for the plain move and for the copy that a
// move across file systems makes.
class MoveFile : public ::testing::TestWithParam<Move> {};

INSTANTIATE_TEST_SUITE_P(BothWays, MoveFile, ::testing::Values(&moveFileNoReplace, &moveFileByCopy),
                         [](const auto& info) { return info.index == 0 ? "Rename" : "Copy"; });

// Names in the folder other than the given ones: no temporary file stays.
std::vector<std::string> strayNames(const TestFolder& folder, std::initializer_list<std::string> known) {
  std::vector<std::string> stray;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    std::string name = entry.path().filename().string();
    if (std::find(known.begin(), known.end(), name) == known.end()) stray.push_back(name);
  }
  return stray;
}

// Runs `step` in a child process as an unprivileged user (when we are root,
// permissions would not stop us); returns what the step returned.
bool runUnprivileged(const std::function<bool()>& step) {
  pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    ::_exit(step() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_P(MoveFile, MovesBytesAndPermissions) {
  TestFolder work;
  std::string bytes("result\r\n\0\xff line", 15);
  work.write("from", bytes);
  fs::permissions(work.file("from"), fs::perms(0640));
  EXPECT_TRUE(GetParam()(work.file("from"), work.file("to")));
  EXPECT_FALSE(fs::exists(work.file("from")));
  EXPECT_EQ(work.read("to"), bytes);
  EXPECT_EQ(fs::status(work.file("to")).permissions(), fs::perms(0640));
  EXPECT_EQ(strayNames(work, {"to"}), std::vector<std::string>{});
}

TEST_P(MoveFile, NeverReplacesADestinationOfAnyKind) {
  const std::function<void(const TestFolder&)> destinations[] = {
      [](const TestFolder& w) { w.write("to", "older"); },
      [](const TestFolder& w) { fs::create_directory(w.file("to")); },
      [](const TestFolder& w) { fs::create_symlink(w.file("other"), w.file("to")); },  // dangling
      [](const TestFolder& w) {
        w.write("other", "older");
        fs::create_symlink(w.file("other"), w.file("to"));
      },
  };
  int kind = 0;
  for (const auto& makeDestination : destinations) {
    SCOPED_TRACE(kind++);
    TestFolder work;
    work.write("from", "result");
    makeDestination(work);
    auto before = fs::symlink_status(work.file("to")).type();
    EXPECT_FALSE(GetParam()(work.file("from"), work.file("to")));
    EXPECT_EQ(work.read("from"), "result");
    EXPECT_EQ(fs::symlink_status(work.file("to")).type(), before);
    if (fs::exists(work.file("other"))) {
      EXPECT_EQ(work.read("other"), "older");
    }
    if (fs::is_regular_file(fs::symlink_status(work.file("to")))) {
      EXPECT_EQ(work.read("to"), "older");
    }
    EXPECT_EQ(strayNames(work, {"from", "to", "other"}), std::vector<std::string>{});
  }
}

TEST_P(MoveFile, MovesOnlyARegularFile) {
  const std::function<void(const TestFolder&)> sources[] = {
      [](const TestFolder&) {},  // missing
      [](const TestFolder& w) { fs::create_directory(w.file("from")); },
      [](const TestFolder& w) {
        w.write("target", "result");
        fs::create_symlink(w.file("target"), w.file("from"));
      },
      [](const TestFolder& w) { ASSERT_EQ(::mkfifo(w.file("from").c_str(), 0600), 0); },
  };
  int kind = 0;
  for (const auto& makeSource : sources) {
    SCOPED_TRACE(kind++);
    TestFolder work;
    makeSource(work);
    auto before = fs::symlink_status(work.file("from")).type();
    EXPECT_FALSE(GetParam()(work.file("from"), work.file("to")));
    EXPECT_EQ(fs::symlink_status(work.file("from")).type(), before);
    EXPECT_FALSE(fs::exists(fs::symlink_status(work.file("to"))));
    EXPECT_EQ(strayNames(work, {"from", "target"}), std::vector<std::string>{});
  }
}

TEST_P(MoveFile, UnreadableSourceStaysWhereItIs) {
  TestFolder work;
  fs::permissions(work.path(), fs::perms::all);
  work.write("from", "result");
  ::chown(work.file("from").c_str(), 65534, 65534);
  fs::permissions(work.file("from"), fs::perms::none);
  Move move = GetParam();
  EXPECT_FALSE(runUnprivileged([&] { return move(work.file("from"), work.file("to")); }));
  EXPECT_TRUE(fs::exists(work.file("from")));
  EXPECT_EQ(strayNames(work, {"from"}), std::vector<std::string>{});
}

// Two movers race for one destination: exactly one wins and its bytes are
// there; the loser's file is untouched.
TEST_P(MoveFile, OneOfTwoRacingMovesWins) {
  for (int round = 0; round < 50; ++round) {
    TestFolder work;
    work.write("a", "first");
    work.write("b", "second");
    bool movedA = false, movedB = false;
    std::thread other([&] { movedB = moveFileNoReplace(work.file("b"), work.file("to")); });
    movedA = GetParam()(work.file("a"), work.file("to"));
    other.join();
    ASSERT_NE(movedA, movedB);
    EXPECT_EQ(work.read("to"), movedA ? "first" : "second");
    EXPECT_EQ(work.read(movedA ? "b" : "a"), movedA ? "second" : "first");
    EXPECT_EQ(strayNames(work, {"to", movedA ? "b" : "a"}), std::vector<std::string>{});
  }
}

// A copy whose source cannot be removed is taken back: the move then did
// not happen, and the file is in one place only.
TEST(MoveFileByCopy, SourceThatCannotBeRemovedIsNotCopied) {
  TestFolder source, target;
  source.write("from", "result");
  fs::permissions(source.file("from"), fs::perms(0644));
  fs::permissions(source.path(), fs::perms(0555));
  fs::permissions(target.path(), fs::perms::all);
  EXPECT_FALSE(runUnprivileged([&] { return moveFileByCopy(source.file("from"), target.file("to")); }));
  EXPECT_EQ(source.read("from"), "result");
  EXPECT_EQ(strayNames(target, {}), std::vector<std::string>{});
}

// /dev/shm is a tmpfs on Linux: a real second file system.
TEST(MoveFileNoReplace, MovesAcrossFileSystems) {
  TestFolder work;
  struct stat here {
  }, there{};
  if (::stat("/dev/shm", &there) != 0 || ::stat(work.path().c_str(), &here) != 0 ||
      here.st_dev == there.st_dev)
    GTEST_SKIP() << "no second file system at /dev/shm";
  std::string to = "/dev/shm/collect-test-" + std::to_string(::getpid());
  work.write("from", "result");
  EXPECT_TRUE(moveFileNoReplace(work.file("from"), to));
  EXPECT_FALSE(fs::exists(work.file("from")));
  EXPECT_EQ(readFileBytes(to), "result");
  work.write("from", "again");
  EXPECT_FALSE(moveFileNoReplace(work.file("from"), to));
  EXPECT_EQ(work.read("from"), "again");
  EXPECT_EQ(readFileBytes(to), "result");
  fs::remove(to);
}

}  // namespace
