// battle-sim run: outcomes with intervals, actions, combatants, skills and
// the party afterwards, as a table or a JSON document.
#include <algorithm>
#include <iostream>

#include "command_common.h"
#include "sim_statistics.h"
#include "text_table.h"

namespace {

// With a target error the battles are fought in blocks of this many seeds,
// so where the run stops does not depend on the threads.
constexpr std::int64_t kTargetBlock = 10000;

bool narrowEnough(const SimTally& tally, double targetError) {
  for (int k = 0; k < kOutcomeKeys; ++k) {
    Interval ci = wilsonInterval(tally.outcomes[k], tally.battles);
    if ((ci.high - ci.low) / 2 >= targetError) return false;
  }
  return true;
}

}  // namespace

int runCommand(const SimOptions& options) {
  CommonPlan plan = commonPlan(options);
  double targetError = 0;
  if (!options.targetError.empty()) {
    targetError = fractionValue("--target-error", options.targetError);
    if (!options.shard.empty()) throw UsageError("--target-error cannot be combined with --shard");
  }
  auto folder = std::make_unique<SimFolder>();
  loadFolderOrFail(plan.folder, plan.sets, *folder, true);

  ProgressBar bar = startProgress(plan.seeds.battles);
  SimTally tally;
  double seconds = 0;
  if (targetError > 0) {
    while (tally.battles < plan.seeds.battles && (tally.battles == 0 || !narrowEnough(tally, targetError))) {
      const std::int64_t block = std::min(kTargetBlock, plan.seeds.battles - tally.battles);
      Fight fight = fightMatch(folder->combatants, plan.seeds.firstSeed + tally.battles, block, plan.threads,
                               false, &bar, tally.battles);
      addTally(tally, fight.tally);
      seconds += fight.seconds;
    }
  } else {
    Fight fight =
        fightMatch(folder->combatants, plan.seeds.firstSeed, plan.seeds.battles, plan.threads, false, &bar);
    tally = std::move(fight.tally);
    seconds = fight.seconds;
  }
  endProgress(bar);

  nlohmann::json doc = runDocument(tally, runInfo(*folder, plan.threads, seconds));
  writeHtmlIfAsked(options.html, doc);
  if (options.json) {
    printJson(doc);
  } else {
    std::cout << runTable(doc);
  }
  return 0;
}
