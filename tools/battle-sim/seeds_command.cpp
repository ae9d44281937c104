// battle-sim seeds: the first seeds whose battle ended a given way, so a
// designer can replay the rare battles.
#include <algorithm>
#include <cstdio>

#include "command_common.h"

namespace {

constexpr std::int64_t kSeedBlock = 10000;

int outcomeKey(const std::string& text) {
  for (int k = 0; k < kOutcomeKeys; ++k) {
    if (text == kOutcomeNames[k]) return k;
  }
  throw UsageError("--outcome: '" + text +
                   "' is not one of win, annihilation, judgement_win, judgement_loss, fault, game_over");
}

}  // namespace

int seedsCommand(const SimOptions& options) {
  CommonPlan plan = commonPlan(options);
  const int key = outcomeKey(options.outcome);
  const std::int64_t limit = positiveCount("--limit", options.limit, 4294967296);
  auto folder = std::make_unique<SimFolder>();
  loadFolderOrFail(plan.folder, plan.sets, *folder, true);
  ProgressBar bar = startProgress(plan.seeds.battles);
  std::int64_t found = 0;
  for (std::int64_t done = 0; done < plan.seeds.battles && found < limit;) {
    const std::int64_t block = std::min(kSeedBlock, plan.seeds.battles - done);
    const std::int64_t first = plan.seeds.firstSeed + done;
    Fight fight = fightMatch(folder->combatants, first, block, plan.threads, true, &bar, done);
    for (std::int64_t i = 0; i < block && found < limit; ++i) {
      if (!markHas(fight.marks[static_cast<std::size_t>(i)], key)) continue;
      endProgress(bar);
      std::printf("%lld\n", static_cast<long long>(first + i));
      ++found;
    }
    std::fflush(stdout);
    done += block;
  }
  endProgress(bar);
  return 0;
}
