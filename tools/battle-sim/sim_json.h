// The JSON documents of battle-sim. Counts and totals are kept as integers so
// that documents of disjoint seed ranges add up exactly; rates, intervals and
// means are derived from them whenever a document is written.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "sim_tally.h"

// What a run document says besides the tally.
struct RunInfo {
  std::string command = "run";
  std::string folder;
  std::vector<std::string> sets;
  std::string names[kCombatantCount];  // UTF-8
  int threads = 1;
  double seconds = 0;
};

// The tool's version, as the build gives it.
const char* simVersion();

// The document of one run.
nlohmann::json runDocument(const SimTally& tally, const RunInfo& info);

// The tally and the descriptive fields of a run document; nothing, with
// `error` set, when the document lacks a total.
std::optional<SimTally> tallyFromDocument(const nlohmann::json& doc, RunInfo& info, std::string& error);

// The seed ranges as [[first, last], ...].
nlohmann::json seedRangesJson(const std::vector<SeedRange>& ranges);

// An interval as [low, high].
nlohmann::json intervalJson(double low, double high);

// Puts threads, elapsed_seconds and battles_per_second into `doc`.
void addSpeed(nlohmann::json& doc, std::int64_t battles, int threads, double seconds);
