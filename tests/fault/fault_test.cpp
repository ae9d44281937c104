// The programs on a failing disk, with hostile files in the working folder and
// with a product that changes its result file while collect moves it.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <functional>

#include "fault/fault_run.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string kSeed = "12345";

struct Battle {
  TestFolder work;
  std::string log = work.file("fault.log");
  Battle() { copyFixtureInput("sample_battle", work.path()); }
  FaultedRun run(Environment environment, const std::string& program = "battle") {
    environment.emplace_back("FAULT_LOG", log);
    FaultedRun result = runFaulted(program, work.path(), environment, kSeed);
    faultsSeen = injectedFaults(log);
    fs::remove(log);
    return result;
  }
  int faultsSeen = 0;
};

// A party file that exists but cannot be read, whatever the reason, is
// neither fought as an empty record nor overwritten by the write-back.
TEST(UnreadablePartyFile, IsNeverWrittenBack) {
  const int errors[] = {EIO, EMFILE, ENFILE, EACCES, EAGAIN};
  for (const char* op : {"open", "read"}) {
    for (int error : errors) {
      SCOPED_TRACE(std::string(op) + " errno " + std::to_string(error));
      Battle battle;
      std::string before = battle.work.read("status2.dat");
      std::string member1 = battle.work.read("status1.dat");
      FaultedRun run =
          battle.run({{"FAULT_FAIL", std::string(op) + ":status2.dat:" + std::to_string(error) + ":1"}});
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_GE(battle.faultsSeen, 1);
      EXPECT_EQ(battle.work.read("status2.dat"), before);
      EXPECT_NE(battle.work.read("status1.dat"), member1) << "the readable members are written back";
      EXPECT_FALSE(battle.work.exists("status2.dat.tmp"));
      EXPECT_TRUE(battle.work.exists("battle_summary.html"));
    }
  }
}

// A report or summary name that leads to an input of the battle, however it
// is spelled, stops the run before any file is created or emptied.
TEST(ReportName, NamingAnInputIsRefused) {
  struct Case {
    const char* label;
    std::function<std::string(const TestFolder&)> name;  // makes what it needs, returns the name
  };
  const Case cases[] = {
      {"party file", [](const TestFolder&) { return std::string("status1.dat"); }},
      {"dotted party file", [](const TestFolder&) { return std::string(".\\status2.dat"); }},
      {"full path", [](const TestFolder& w) { return w.file("status3.dat"); }},
      {"enemy file", [](const TestFolder&) { return std::string("enemy2.dat"); }},
      {"hand-off file", [](const TestFolder&) { return std::string("Bridge.txt"); }},
      {"report header", [](const TestFolder&) { return std::string("head.dat"); }},
      {"hard link",
       [](const TestFolder& w) {
         fs::create_hard_link(w.file("status1.dat"), w.file("linked.html"));
         return std::string("linked.html");
       }},
      {"symbolic link",
       [](const TestFolder& w) {
         fs::create_symlink("enemy1.dat", w.file("linked.html"));
         return std::string("linked.html");
       }},
      {"dangling link to a missing party file",
       [](const TestFolder& w) {
         fs::remove(w.file("status3.dat"));
         fs::create_symlink("status3.dat", w.file("linked.html"));
         return std::string("linked.html");
       }},
      {"missing party file",
       [](const TestFolder& w) {
         fs::remove(w.file("status3.dat"));
         return std::string("status3.dat");
       }},
  };
  for (const Case& c : cases) {
    for (int line : {4, 5}) {
      SCOPED_TRACE(std::string(c.label) + ", line " + std::to_string(line));
      Battle battle;
      std::string name = c.name(battle.work);
      std::string report = line == 4 ? name : "battle_report.html";
      std::string summary = line == 5 ? name : "battle_summary.html";
      battle.work.write("Bridge.txt",
                        "enemy1.dat\r\nenemy2.dat\r\nenemy3.dat\r\n" + report + "\r\n" + summary + "\r\n");
      auto before = snapshot(battle.work.path());
      EXPECT_EQ(battle.run({}).exitCode, 1);
      EXPECT_EQ(snapshot(battle.work.path()), before);
    }
  }
}

// FIFOs, sockets and devices in place of inputs never block the program and
// never end up as data: they read as files that cannot be read.
TEST(NonRegularInput, ReadsAsUnreadable) {
  struct Case {
    const char* file;
    const char* kind;  // fifo or zero (a link to /dev/zero)
    bool battleRuns;
  };
  const Case cases[] = {
      {"Bridge.txt", "fifo", false}, {"Bridge.txt", "zero", false}, {"status1.dat", "fifo", true},
      {"status2.dat", "zero", true}, {"enemy1.dat", "fifo", true},  {"head.dat", "fifo", true},
      {"head.dat", "zero", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " as " + c.kind);
    Battle battle;
    fs::remove(battle.work.file(c.file));
    if (std::string(c.kind) == "fifo") {
      ASSERT_EQ(::mkfifo(battle.work.file(c.file).c_str(), 0600), 0);
    } else {
      fs::create_symlink("/dev/zero", battle.work.file(c.file));
    }
    auto before = snapshot(battle.work.path());
    FaultedRun run = battle.run({});
    ASSERT_FALSE(run.hung);
    EXPECT_EQ(run.exitCode, 1);
    auto after = snapshot(battle.work.path());
    EXPECT_EQ(after[c.file], before[c.file]) << "still the same FIFO or link";
    EXPECT_EQ(after.count("battle_summary.html"), c.battleRuns ? 1u : 0u);
    if (!c.battleRuns) {
      EXPECT_EQ(after, before);
    }
  }
}

// A FIFO in place of an output is not opened: it blocks nothing, and the run
// goes on as with an output that cannot be created.
TEST(NonRegularOutput, NeverBlocks) {
  struct Case {
    const char* program;
    const char* file;
    const char* written;  // a file the run still writes, or empty when it stops
  };
  const Case cases[] = {
      {"battle", "battle_report.html", ""},
      {"battle", "battle_summary.html", ""},
      {"battle", "digest.html", "battle_summary.html"},
      {"battle", "debug.txt", "battle_summary.html"},
      {"pagegen", "ste1.html", "left.html"},
      {"pagegen", "left.html", "ste3.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + ": " + c.file);
    Battle battle;
    ASSERT_EQ(::mkfifo(battle.work.file(c.file).c_str(), 0600), 0);
    FaultedRun run = battle.run({}, c.program);
    ASSERT_FALSE(run.hung);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(fs::is_fifo(battle.work.file(c.file)));
    if (*c.written != '\0') {
      EXPECT_TRUE(battle.work.exists(c.written));
    } else {
      EXPECT_FALSE(battle.work.exists("status1.dat.tmp"));
      EXPECT_EQ(battle.work.read("status1.dat"),
                readFileBytes(fixturePath("sample_battle") / "input/status1.dat"));
    }
  }
}

// Without a current folder (removed under the running program) battle and
// pagegen read and write nothing, least of all at the file system's root.
TEST(RemovedWorkingFolder, NothingIsOpened) {
  for (const char* program : {"battle", "pagegen"}) {
    SCOPED_TRACE(program);
    TestFolder work;
    std::string gone = work.file("gone");
    fs::create_directory(gone);
    std::string log = work.file("trace.log");
    // The fault library runs the removal in the child, after its chdir.
    int pid = startFaulted(program, gone,
                           {{"FAULT_TRACE", "1"}, {"FAULT_LOG", log}, {"FAULT_RMDIR_CWD", "1"}}, kSeed);
    FaultedRun run = waitFaulted(pid);
    ASSERT_FALSE(run.hung);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(fs::exists(gone));
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
      for (const char* name : {"Bridge.txt", "status1.dat", "head2.dat", "left.html", "debug.txt"})
        EXPECT_EQ(line.find(name), std::string::npos) << line;
    }
  }
}

// collect against a product that changes its result at the worst moment,
// and on a disk that fails: a refusal leaves both folders as they were.
class CollectFaults : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(work.file("install")); }
  FaultedRun collect(Environment environment) {
    environment.emplace_back("COLLECT_INSTALL_DIR", "install");
    environment.emplace_back("FAULT_LOG", work.file("fault.log"));
    FaultedRun run = runFaulted("collect", work.path(), environment);
    faults = injectedFaults(work.file("fault.log"));
    fs::remove(work.file("fault.log"));
    return run;
  }
  TestFolder work;
  int faults = 0;
};

// EXDEV on the rename to qzres.txt: the copy across file systems.
const std::pair<std::string, std::string> kAcross = {"FAULT_FAIL", "rename:qzres.txt:18"};

TEST_F(CollectFaults, CopyAcrossFileSystemsDropsSetIdBits) {
  work.write("install/_qzres.txt", "score=1\r\n");
  fs::permissions(work.file("install/_qzres.txt"), fs::perms(06755));
  EXPECT_EQ(collect({kAcross}).exitCode, 0);
  EXPECT_GE(faults, 1);
  EXPECT_EQ(work.read("qzres.txt"), "score=1\r\n");
  EXPECT_EQ(fs::status(work.file("qzres.txt")).permissions(), fs::perms(0755));
  EXPECT_EQ(snapshot(work.file("install")).size(), 0u);
}

// The product renames a new result into place while the old one is copied:
// the old one is delivered and the new one stays for the next run.
TEST_F(CollectFaults, NewResultDuringTheCopyStays) {
  work.write("install/_qzres.txt", "old");
  FaultedRun run = collect({kAcross,
                            {"FAULT_SWAP_MATCH", "_qzres.txt"},
                            {"FAULT_SWAP_WHEN", "after"},
                            {"FAULT_SWAP_PATH", "install/_qzres.txt"},
                            {"FAULT_SWAP_KIND", "file"}});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(work.read("qzres.txt"), "old");
  EXPECT_EQ(work.read("install/_qzres.txt"), "swapped");
  EXPECT_EQ(snapshot(work.file("install")).size(), 1u);
}

// The source is swapped for a link, a folder or a FIFO just before collect
// moves it, on one file system and across two: what was checked is what is
// moved, so the swapped thing is refused and put back.
TEST_F(CollectFaults, SourceSwappedBeforeTheMoveIsRefused) {
  for (const char* kind : {"symlink", "folder", "fifo"}) {
    for (bool across : {false, true}) {
      SCOPED_TRACE(std::string(kind) + (across ? " across" : " same"));
      fs::remove_all(work.file("install"));
      fs::create_directory(work.file("install"));
      work.write("install/_qzres.txt", "result");
      Environment environment = {{"FAULT_SWAP_MATCH", "_qzres.txt"},
                                 {"FAULT_SWAP_WHEN", "before"},
                                 {"FAULT_SWAP_PATH", "install/_qzres.txt"},
                                 {"FAULT_SWAP_KIND", kind}};
      if (across) environment.push_back(kAcross);
      EXPECT_EQ(collect(environment).exitCode, 255);
      EXPECT_EQ(faults, 1);
      EXPECT_FALSE(fs::exists(fs::symlink_status(work.file("qzres.txt"))));
      auto install = snapshot(work.file("install"));
      EXPECT_EQ(install.size(), 1u);
      EXPECT_EQ(install.count("_qzres.txt"), 1u);
    }
  }
}

// Every refusal leaves the install folder and the working folder as they
// were, whether the move fails at its start or half-way.
TEST_F(CollectFaults, RefusalsChangeNothing) {
  struct Case {
    const char* label;
    std::function<void(const TestFolder&)> prepare;
    Environment environment;
  };
  const Case cases[] = {
      {"no result", [](const TestFolder&) {}, {}},
      {"result present", [](const TestFolder& w) { w.write("qzres.txt", "older"); }, {}},
      {"result present, across", [](const TestFolder& w) { w.write("qzres.txt", "older"); }, {kAcross}},
      {"source a folder",
       [](const TestFolder& w) { fs::create_directory(w.file("install/_qzres.txt")); },
       {}},
      {"take fails", [](const TestFolder&) {}, {{"FAULT_FAIL", "rename:_qzres.txt:5"}}},
      {"rename fails", [](const TestFolder&) {}, {{"FAULT_FAIL", "rename:qzres.txt:5,link:qzres.txt:5"}}},
      {"link of the copy fails",
       [](const TestFolder&) {},
       {{"FAULT_FAIL", "rename:qzres.txt:18,link:qzres.txt:5"}}},
      {"copy cannot be read",
       [](const TestFolder&) {},
       {{"FAULT_FAIL", "rename:qzres.txt:18,read:*.taken:5"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fs::remove_all(work.path());
    fs::create_directories(work.file("install"));
    if (std::string(c.label) != "no result" && std::string(c.label) != "source a folder")
      work.write("install/_qzres.txt", "result");
    c.prepare(work);
    auto before = snapshot(work.path());
    EXPECT_EQ(collect(c.environment).exitCode, 255);
    EXPECT_EQ(snapshot(work.path()), before);
  }
}

}  // namespace
