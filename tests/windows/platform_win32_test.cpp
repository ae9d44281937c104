// The Windows side of platform/: files, moves and starting programs.
#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_open.h"
#include "platform/files.h"
#include "platform/move_file.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

std::string windowsPath(const TestFolder& folder, const std::string& name) {
  return folder.path() + "\\" + name;
}

bool inheritable(std::FILE* file) {
  HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
  DWORD flags = 0;
  return ::GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
}

TEST(FilesWin32, OpenedFilesAreNotInheritedAndMissingIsToldApart) {
  TestFolder folder;
  folder.write("a.txt", "abc");
  bool missing = true;
  std::FILE* reading = openForReading(windowsPath(folder, "a.txt"), missing);
  ASSERT_NE(reading, nullptr);
  EXPECT_FALSE(missing);
  EXPECT_FALSE(inheritable(reading));
  std::fclose(reading);
  for (bool append : {false, true}) {
    std::FILE* writing = openForWriting(windowsPath(folder, "b.txt"), append);
    ASSERT_NE(writing, nullptr);
    EXPECT_FALSE(inheritable(writing));
    std::fclose(writing);
  }

  EXPECT_EQ(openForReading(windowsPath(folder, "none.txt"), missing), nullptr);
  EXPECT_TRUE(missing);
  EXPECT_EQ(openForReading(windowsPath(folder, "no\\such.txt"), missing), nullptr);
  EXPECT_TRUE(missing);
  fs::create_directory(folder.file("sub"));
  EXPECT_EQ(openForReading(windowsPath(folder, "sub"), missing), nullptr);
  EXPECT_FALSE(missing);
}

TEST(FilesWin32, OutputFilesWriteCrlfAndAppend) {
  TestFolder folder;
  OutputFile::create(windowsPath(folder, "o.txt")).write("a\nb\n");
  OutputFile::append(windowsPath(folder, "o.txt")).writeBytes("c\n");
  EXPECT_EQ(folder.read("o.txt"), "a\r\nb\r\nc\n");
  OutputFile::create(windowsPath(folder, "o.txt")).write("x");
  EXPECT_EQ(folder.read("o.txt"), "x");
}

TEST(FilesWin32, ReplaceFileAtomicallyLeavesOnlyTheNewFile) {
  TestFolder folder;
  ASSERT_TRUE(replaceFileAtomically(windowsPath(folder, "c.dat"), "new file\r\n"));
  EXPECT_EQ(folder.read("c.dat"), "new file\r\n");
  ASSERT_TRUE(replaceFileAtomically(windowsPath(folder, "c.dat"), "second"));
  EXPECT_EQ(folder.read("c.dat"), "second");

  EXPECT_FALSE(replaceFileAtomically(windowsPath(folder, "missing\\c.dat"), "x"));
  fs::create_directory(folder.file("sub"));
  EXPECT_FALSE(replaceFileAtomically(windowsPath(folder, "sub"), "x"));
  EXPECT_TRUE(fs::is_directory(folder.file("sub")));
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder.path())) files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 1u) << "no temporary file stays behind";
}

// A killed run's temporary file is reused, never added to; devices such as
// NUL and CON are neither read nor written as files.
TEST(FilesWin32, LeftoverTemporaryIsReusedAndDevicesAreNoFiles) {
  TestFolder folder;
  folder.write("c.dat", "old");
  folder.write("c.dat.tmp", "left by a killed run");
  ASSERT_TRUE(replaceFileAtomically(windowsPath(folder, "c.dat"), "new"));
  EXPECT_EQ(folder.read("c.dat"), "new");
  EXPECT_FALSE(folder.exists("c.dat.tmp"));
  bool missing = true;
  EXPECT_EQ(openForReading(windowsPath(folder, "NUL"), missing), nullptr);
  EXPECT_FALSE(OutputFile::create(windowsPath(folder, "NUL")).isOpen());
}

// Report names are compared with the inputs as Windows names them: letter
// case aside, also when the file does not exist yet.
TEST(FilesWin32, NamesOfOneFile) {
  TestFolder folder;
  folder.write("status1.dat", "x");
  EXPECT_TRUE(namesSameFile(windowsPath(folder, "status1.dat"), windowsPath(folder, "STATUS1.DAT")));
  EXPECT_TRUE(namesSameFile(windowsPath(folder, "status1.dat"), windowsPath(folder, ".\\status1.dat")));
  EXPECT_TRUE(namesSameFile(windowsPath(folder, "new.html"), windowsPath(folder, "NEW.html")));
  EXPECT_FALSE(namesSameFile(windowsPath(folder, "status1.dat"), windowsPath(folder, "status2.dat")));
  EXPECT_FALSE(namesSameFile(windowsPath(folder, "status1.dat"), windowsPath(folder, "new.html")));
}

TEST(MoveFileWin32, MovesButNeverReplaces) {
  TestFolder folder;
  folder.write("from.txt", "result");
  EXPECT_TRUE(moveFileNoReplace(windowsPath(folder, "from.txt"), windowsPath(folder, "to.txt")));
  EXPECT_FALSE(folder.exists("from.txt"));
  EXPECT_EQ(folder.read("to.txt"), "result");

  folder.write("from.txt", "second");
  EXPECT_FALSE(moveFileNoReplace(windowsPath(folder, "from.txt"), windowsPath(folder, "to.txt")));
  EXPECT_EQ(folder.read("from.txt"), "second");
  EXPECT_EQ(folder.read("to.txt"), "result");

  fs::create_directory(folder.file("dir"));
  EXPECT_FALSE(moveFileNoReplace(windowsPath(folder, "from.txt"), windowsPath(folder, "dir")));
  EXPECT_FALSE(moveFileNoReplace(windowsPath(folder, "dir"), windowsPath(folder, "moved")));
  EXPECT_TRUE(fs::is_directory(folder.file("dir")));
  EXPECT_FALSE(moveFileNoReplace(windowsPath(folder, "none.txt"), windowsPath(folder, "other.txt")));
  EXPECT_EQ(folder.read("from.txt"), "second");
}

// Waits for the started program's file; the program runs on its own.
std::string startedIn(const TestFolder& folder) {
  for (int i = 0; i < 300 && !folder.exists("started.txt"); ++i) ::Sleep(50);
  ::Sleep(100);
  return folder.read("started.txt");
}

TEST(ProcessWin32, StartsTheProgramOfTheWorkingFolderInThatFolder) {
  TestFolder folder;
  fs::copy_file(STARTED_PROBE, folder.file("pagegen.exe"));
  EXPECT_TRUE(startProgramDetached("pagegen.exe", folder.path()));
  std::string startedFolder = startedIn(folder);
  ASSERT_FALSE(startedFolder.empty());
  EXPECT_TRUE(fs::equivalent(startedFolder, folder.path())) << startedFolder;
}

TEST(ProcessWin32, FindsTheProgramOnPath) {
  TestFolder work, bin;
  fs::copy_file(STARTED_PROBE, bin.file("pagegen.exe"));
  std::string path = "C:\\no-such-folder;\"" + bin.path() + "\"";
  char old[32768];
  DWORD length = ::GetEnvironmentVariableA("PATH", old, sizeof old);
  ::SetEnvironmentVariableA("PATH", path.c_str());
  ::_putenv_s("PATH", path.c_str());
  bool started = startProgramDetached("pagegen.exe", work.path());
  ::_putenv_s("PATH", length > 0 && length < sizeof old ? old : "");
  ::SetEnvironmentVariableA("PATH", length > 0 && length < sizeof old ? old : nullptr);
  EXPECT_TRUE(started);
  EXPECT_FALSE(startedIn(work).empty());
}

TEST(ProcessWin32, MissingProgramIsNotStarted) {
  TestFolder folder;
  EXPECT_FALSE(startProgramDetached("no-such-program.exe", folder.path()));
}

}  // namespace
