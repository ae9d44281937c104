// The battle killed at random moments, most of them inside the write-back:
// every party file is always either the old or the new one, and the next
// run leaves no file behind.
#include <signal.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "fault/fault_run.h"
#include "support/fixture_runner.h"
#include "support/test_folder.h"

namespace fs = std::filesystem;

#ifndef KILL_ROUNDS
#define KILL_ROUNDS 300
#endif

namespace {

const std::string kSeed = "12345";
const char* const kPartyFiles[] = {"status1.dat", "status2.dat", "status3.dat"};

struct PartyBytes {
  std::string bytes[3];
};

PartyBytes partyOf(const TestFolder& folder) {
  PartyBytes party;
  for (int i = 0; i < 3; ++i) party.bytes[i] = folder.read(kPartyFiles[i]);
  return party;
}

// The names a clean run leaves in its folder.
std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& [name, kind] : snapshot(folder)) names.push_back(name);
  return names;
}

void resetFolder(const TestFolder& work) {
  for (const auto& entry : fs::directory_iterator(work.path())) fs::remove_all(entry.path());
  copyFixtureInput("sample_battle", work.path());
}

TEST(KilledBattle, PartyFilesAreOldOrNewAndNothingStays) {
  TestFolder work;
  resetFolder(work);
  PartyBytes old = partyOf(work);
  FaultedRun clean = runFaulted("battle", work.path(), {}, kSeed);
  ASSERT_EQ(clean.exitCode, 1);
  PartyBytes fresh = partyOf(work);
  std::vector<std::string> cleanNames = namesIn(work.path());

  // The calls of the write-back that touch a temporary file, counted by the
  // fault library: a kill at each of them, then at random ones.
  int writeBackCalls = 0;
  for (int n = 1; n < 1000; ++n) {
    resetFolder(work);
    FaultedRun run = runFaulted("battle", work.path(),
                                {{"FAULT_KILL_MATCH", "*.tmp"}, {"FAULT_KILL_AT", std::to_string(n)}}, kSeed);
    if (run.signal != SIGKILL) break;
    writeBackCalls = n;
  }
  ASSERT_GT(writeBackCalls, 6) << "the write-back was never reached";

  std::mt19937 random(20261211);
  int kills = 0, external = 0;
  for (int round = 0; round < KILL_ROUNDS; ++round) {
    SCOPED_TRACE(round);
    resetFolder(work);
    // Two rounds in three stop at a call of the write-back; the others are
    // killed from outside at a random moment of the whole run.
    if (round % 3 != 2) {
      int at = std::uniform_int_distribution<int>(1, writeBackCalls)(random);
      FaultedRun run =
          runFaulted("battle", work.path(),
                     {{"FAULT_KILL_MATCH", "*.tmp"}, {"FAULT_KILL_AT", std::to_string(at)}}, kSeed);
      ASSERT_EQ(run.signal, SIGKILL);
      ++kills;
    } else {
      int pid = startFaulted("battle", work.path(), {}, kSeed);
      std::this_thread::sleep_for(
          std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(random)));
      ::kill(pid, SIGKILL);
      FaultedRun run = waitFaulted(pid);
      if (run.signal == SIGKILL) ++external;
    }
    PartyBytes now = partyOf(work);
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(now.bytes[i] == old.bytes[i] || now.bytes[i] == fresh.bytes[i]) << kPartyFiles[i];
    }
    // The next run reuses or removes whatever the killed one left.
    ASSERT_EQ(runFaulted("battle", work.path(), {}, kSeed).exitCode, 1);
    for (const std::string& name : namesIn(work.path())) {
      bool known = std::find(cleanNames.begin(), cleanNames.end(), name) != cleanNames.end();
      // A battle from a half-updated party may end the game: its marker is
      // a file of the host's, not a leftover.
      EXPECT_TRUE(known || name.ends_with("ovr.txt")) << name;
    }
  }
  faultTally().faults += writeBackCalls + kills + external;
  std::printf("kill test: %d write-back calls, %d kills inside the write-back, %d kills from outside\n",
              writeBackCalls, kills, external);
}

}  // namespace
