// The commands of battle-sim. Each takes the options as the command line
// gave them (text), checks them, and returns the exit code; a bad value
// throws UsageError.
#pragma once

#include <string>
#include <vector>

struct SimOptions {
  std::vector<std::string> folders;  // positional folders (run, seeds, sweep, weights: at most one)
  std::vector<std::string> setTexts;
  std::string battles = "100000";
  std::string seed = "1";
  std::string threads;  // empty: every core
  std::string shard;    // empty: the whole range
  std::string targetError;
  std::string html;
  bool json = false;
  bool csv = false;
  // seeds
  std::string outcome;
  std::string limit = "10";
  // replay
  std::string replaySeed;
  std::string out;
  // merge
  std::vector<std::string> files;
  // sweep
  std::vector<std::string> vary;
  // compare
  std::vector<std::string> setsA;
  std::vector<std::string> setsB;
  // weights
  std::string member;
  std::string delta = "10";
  std::vector<std::string> fields;
};

int runCommand(const SimOptions& options);
int seedsCommand(const SimOptions& options);
int replayCommand(const SimOptions& options);
int mergeCommand(const SimOptions& options);
int sweepCommand(const SimOptions& options);
int compareCommand(const SimOptions& options);
int weightsCommand(const SimOptions& options);
