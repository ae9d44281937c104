// Runs the battle-sim program of the build for the tests and keeps what it
// printed.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct SimRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// battle-sim with `args` in the folder `workingFolder`.
SimRun runSim(const std::vector<std::string>& args, const std::string& workingFolder = ".");

// The document of a --json run; fails the test when the run failed.
nlohmann::json simJson(const std::vector<std::string>& args, const std::string& workingFolder = ".");

// The document without the keys that measure speed, at every level.
nlohmann::json withoutSpeed(nlohmann::json doc);

// A copy of a folder of the source tree in `into`.
void copyTree(const std::string& from, const std::string& into);
