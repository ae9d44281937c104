// What the commands share: the checked common options, loading the folder,
// fighting with a progress bar, and writing a document.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_values.h"
#include "commands.h"
#include "sim_fight.h"
#include "sim_folder.h"
#include "sim_json.h"

struct CommonPlan {
  std::string folder;
  std::vector<FieldSet> sets;
  SeedPlan seeds;
  int threads = 1;
};

// Checks folder, --set, --battles, --seed, --threads and --shard.
CommonPlan commonPlan(const SimOptions& options, std::size_t maxFolders = 1);

// Loads a folder with its changes; a folder without a usable Bridge.txt is a
// UsageError. Warns on standard error about missing character files when
// `warn` is set.
void loadFolderOrFail(const std::string& folder, const std::vector<FieldSet>& sets, SimFolder& out,
                      bool warn);

// Fights `battles` seeds from `firstSeed` of the six combatants.
Fight fightMatch(const Combatant* combatants, std::int64_t firstSeed, std::int64_t battles, int threads,
                 bool keepMarks, ProgressBar* progress = nullptr, std::int64_t progressBase = 0);

// The run information of a folder: its names, sets and the speed.
RunInfo runInfo(const SimFolder& folder, int threads, double seconds);

// Writes the HTML page of `doc` to `path` when it is not empty.
void writeHtmlIfAsked(const std::string& path, const nlohmann::json& doc);

// Prints a document as indented JSON.
void printJson(const nlohmann::json& doc);
