// Runs the real programs under the fault library, with a guard against a
// program that never ends.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Environment = std::vector<std::pair<std::string, std::string>>;

struct FaultedRun {
  int exitCode = -1;  // the exit code, or -1 when killed by a signal
  int signal = 0;     // the signal that ended it, 0 when it exited
  bool hung = false;  // still running after the guard's limit: killed
};

// Runs `program` (a file name of the build's bin folder, copied alone into a
// private folder so battle starts no pagegen) in `folder`, with the fault
// library preloaded and `environment` added. BATTLE_SEED is set when `seed`
// is given.
FaultedRun runFaulted(const std::string& program, const std::filesystem::path& folder,
                      const Environment& environment, std::optional<std::string> seed = std::nullopt);

// Starts such a run without waiting; wait with waitFaulted.
int startFaulted(const std::string& program, const std::filesystem::path& folder,
                 const Environment& environment, std::optional<std::string> seed);
FaultedRun waitFaulted(int pid);

// Everything below `folder`: each entry's relative name, kind and, for
// regular files, bytes. Two snapshots are equal when nothing changed.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);

// Copies a fixture's input folder into `folder`.
void copyFixtureInput(const std::string& fixture, const std::filesystem::path& folder);

// The lines of the fault library's log that record an injected fault, a
// kill or a swap.
int injectedFaults(const std::filesystem::path& log);

// What the fault tests did, printed once at the end of a run of all of them.
struct FaultTally {
  long runs = 0;
  long faults = 0;
};
FaultTally& faultTally();
