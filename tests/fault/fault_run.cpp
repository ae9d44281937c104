#include "fault/fault_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>

#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace {

// A program that has not ended after this long is taken to hang.
constexpr auto kHangGuard = std::chrono::seconds(30);

// Each program alone in a folder of its own: battle must find no pagegen to
// start, which would change the folder after the run.
std::string privateCopy(const std::string& program) {
  static std::map<std::string, std::unique_ptr<TestFolder>> bins;
  auto& bin = bins[program];
  if (!bin) bin = std::make_unique<TestFolder>();
  fs::path copy = fs::path(bin->path()) / program;
  if (!fs::exists(copy)) {
    fs::copy_file(fs::path(BIN_DIR) / program, copy);
    fs::permissions(copy, fs::perms::owner_all);
  }
  return copy.string();
}

}  // namespace

int startFaulted(const std::string& program, const fs::path& folder, const Environment& environment,
                 std::optional<std::string> seed) {
  std::string path = privateCopy(program);
  pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::setenv("PATH", "", 1);
    ::setenv("LD_PRELOAD", FAULT_SHIM, 1);
    // The sanitizers would refuse a preloaded library before their own.
    ::setenv("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0", 1);
    if (seed) {
      ::setenv("BATTLE_SEED", seed->c_str(), 1);
    } else {
      ::unsetenv("BATTLE_SEED");
    }
    for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
    ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
}

FaultedRun waitFaulted(int pid) {
  FaultedRun run;
  int status = 0;
  auto limit = std::chrono::steady_clock::now() + kHangGuard;
  for (;;) {
    pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (std::chrono::steady_clock::now() > limit) {
      run.hung = true;
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ++faultTally().runs;
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}

FaultedRun runFaulted(const std::string& program, const fs::path& folder, const Environment& environment,
                      std::optional<std::string> seed) {
  return waitFaulted(startFaulted(program, folder, environment, seed));
}

std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string name = entry.path().lexically_relative(folder).generic_string();
    auto status = entry.symlink_status();
    if (fs::is_symlink(status)) {
      entries[name] = "link:" + fs::read_symlink(entry.path()).string();
    } else if (fs::is_regular_file(status)) {
      entries[name] = "file:" + readFileBytes(entry.path());
    } else if (fs::is_directory(status)) {
      entries[name] = "folder";
    } else {
      entries[name] = "other";
    }
  }
  return entries;
}

void copyFixtureInput(const std::string& fixture, const fs::path& folder) {
  fs::copy(fixturePath(fixture) / "input", folder,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

int injectedFaults(const fs::path& log) {
  std::ifstream in(log);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("fail-", 0) == 0 || line.rfind("kill", 0) == 0 || line.rfind("swap", 0) == 0 ||
        line.rfind("rename", 0) == 0 || line.rfind("link", 0) == 0)
      ++count;
  }
  faultTally().faults += count;
  return count;
}

FaultTally& faultTally() {
  static FaultTally tally;
  return tally;
}

namespace {

class TallyReport : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("fault tests: %ld program runs, %ld faults injected\n", faultTally().runs,
                faultTally().faults);
  }
};

const auto* const kTallyReport = ::testing::AddGlobalTestEnvironment(new TallyReport);

}  // namespace
