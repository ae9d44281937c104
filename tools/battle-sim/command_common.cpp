#include "command_common.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <thread>

#include "tools/sim_html/html_report.h"

CommonPlan commonPlan(const SimOptions& options, std::size_t maxFolders) {
  CommonPlan plan;
  if (options.folders.size() > maxFolders) {
    throw UsageError("too many folders: " + options.folders.back());
  }
  plan.folder = options.folders.empty() ? "." : options.folders.front();
  plan.sets = fieldSets("--set", options.setTexts);
  const std::int64_t battles = positiveCount("--battles", options.battles, 4294967296);
  const std::int64_t seed = seedValue("--seed", options.seed);
  const Shard shard = options.shard.empty() ? Shard{} : shardValue(options.shard);
  plan.seeds = seedPlan(seed, battles, shard);
  if (options.threads.empty()) {
    plan.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  } else {
    plan.threads = static_cast<int>(positiveCount("--threads", options.threads, 1024));
  }
  return plan;
}

void loadFolderOrFail(const std::string& folder, const std::vector<FieldSet>& sets, SimFolder& out,
                      bool warn) {
  std::string error;
  if (!loadSimFolder(folder, sets, out, error)) throw UsageError(error);
  if (!warn) return;
  for (const std::string& name : out.missingFiles) {
    std::fprintf(stderr,
                 "battle-sim: warning: character file '%s' is missing in '%s'; it takes part as absent\n",
                 name.c_str(), folder.c_str());
  }
}

Fight fightMatch(const Combatant* combatants, std::int64_t firstSeed, std::int64_t battles, int threads,
                 bool keepMarks, ProgressBar* progress, std::int64_t progressBase) {
  FightPlan plan;
  plan.combatants = combatants;
  plan.firstSeed = firstSeed;
  plan.battles = battles;
  plan.threads = threads;
  plan.keepMarks = keepMarks;
  plan.progress = progress;
  plan.progressBase = progressBase;
  return fightBattles(plan);
}

RunInfo runInfo(const SimFolder& folder, int threads, double seconds) {
  RunInfo info;
  info.folder = folder.folder;
  info.sets = folder.sets;
  combatantNames(folder, info.names);
  info.threads = threads;
  info.seconds = seconds;
  return info;
}

void writeHtmlIfAsked(const std::string& path, const nlohmann::json& doc) {
  if (path.empty()) return;
  const std::string page = renderHtmlReport(doc);
  std::ofstream out(path, std::ios::binary);
  out << page;
  out.close();
  if (!out) throw UsageError("--html: cannot write '" + path + "'");
}

void printJson(const nlohmann::json& doc) { std::cout << doc.dump(2) << "\n"; }
