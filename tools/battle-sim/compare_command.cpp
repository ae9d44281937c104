// battle-sim compare: two folders, or one folder with two groups of changes,
// fought with the same seeds; the difference of every outcome rate with a
// paired interval, and the battles that changed outcome.
#include <cstdio>
#include <iostream>

#include "command_common.h"
#include "compare_document.h"
#include "text_table.h"

namespace {

struct Side {
  std::string label;
  std::unique_ptr<SimFolder> folder = std::make_unique<SimFolder>();
};

std::string joined(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& text : texts) out += (out.empty() ? "" : " ") + text;
  return out;
}

void loadSide(Side& side, const std::string& folder, const std::vector<FieldSet>& common,
              const std::vector<std::string>& own, bool twoFolders) {
  std::vector<FieldSet> sets = common;
  for (const FieldSet& set : fieldSets(twoFolders ? "--set" : "--a/--b", own)) sets.push_back(set);
  loadFolderOrFail(folder, sets, *side.folder, true);
  side.label = twoFolders ? folder : (own.empty() ? "as is" : joined(own));
  if (twoFolders && !own.empty()) side.label += " " + joined(own);
}

std::string compareTable(const nlohmann::json& doc) {
  std::string out = "a: " + doc.at("a").at("label").get<std::string>() +
                    "\nb: " + doc.at("b").at("label").get<std::string>() + "\n\n";
  out += "outcome               a rate    b rate    b - a      95 % interval (paired)\n";
  char line[160];
  for (const char* key : kOutcomeNames) {
    const nlohmann::json& row = doc.at("differences").at(key);
    std::snprintf(line, sizeof line, "%-16s %10s %10s %+8.2f %%    %+.2f %% .. %+.2f %%\n", key,
                  percent(row.at("a_rate")).c_str(), percent(row.at("b_rate")).c_str(),
                  row.at("diff").get<double>() * 100, row.at("ci95").at(0).get<double>() * 100,
                  row.at("ci95").at(1).get<double>() * 100);
    out += line;
  }
  out +=
      "\nbattles that changed outcome: " + std::to_string(doc.at("changed").at("total").get<std::int64_t>()) +
      " of " + std::to_string(doc.at("battles").get<std::int64_t>()) + "\n";
  for (const nlohmann::json& t : doc.at("changed").at("transitions")) {
    out += "  " + padRight(t.at("from").get<std::string>(), 15) + "-> " +
           padRight(t.at("to").get<std::string>(), 15) +
           padLeft(std::to_string(t.at("count").get<std::int64_t>()), 10) + "\n";
  }
  return out;
}

}  // namespace

int compareCommand(const SimOptions& options) {
  CommonPlan plan = commonPlan(options, 2);
  const bool twoFolders = options.folders.size() == 2;
  if (!twoFolders && options.setsA.empty() && options.setsB.empty()) {
    throw UsageError("compare: give two folders, or one folder with --a and --b changes");
  }
  Side a, b;
  loadSide(a, plan.folder, plan.sets, options.setsA, twoFolders);
  loadSide(b, twoFolders ? options.folders[1] : plan.folder, plan.sets, options.setsB, twoFolders);

  ProgressBar bar = startProgress(2 * plan.seeds.battles);
  Fight fightA =
      fightMatch(a.folder->combatants, plan.seeds.firstSeed, plan.seeds.battles, plan.threads, true, &bar);
  Fight fightB = fightMatch(b.folder->combatants, plan.seeds.firstSeed, plan.seeds.battles, plan.threads,
                            true, &bar, plan.seeds.battles);
  endProgress(bar);
  const double seconds = fightA.seconds + fightB.seconds;
  CompareSide sideA{a.label, fightA.tally, runInfo(*a.folder, plan.threads, fightA.seconds)};
  CompareSide sideB{b.label, fightB.tally, runInfo(*b.folder, plan.threads, fightB.seconds)};
  nlohmann::json doc =
      compareDocument(sideA, sideB, pairMarks(fightA.marks, fightB.marks), plan.threads, seconds);
  writeHtmlIfAsked(options.html, doc);
  if (options.json) {
    printJson(doc);
  } else {
    std::cout << compareTable(doc);
  }
  return 0;
}
