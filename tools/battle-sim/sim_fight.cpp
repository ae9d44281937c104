#include "sim_fight.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "battle/run_battle.h"

namespace {

constexpr std::int64_t kBlock = 256;

BattleMark markOf(const std::optional<Outcome>& outcome, const BattleStats& stats) {
  int kind = kFault;
  if (outcome) {
    switch (*outcome) {
      case Outcome::Win:
        kind = kWin;
        break;
      case Outcome::Annihilation:
        kind = kAnnihilation;
        break;
      case Outcome::JudgementWin:
        kind = kJudgementWin;
        break;
      case Outcome::JudgementLoss:
        kind = kJudgementLoss;
        break;
    }
  }
  return static_cast<BattleMark>(kind | (stats.gameOver ? kGameOverBit : 0));
}

// What the write-back would change in the party's files; nothing after a
// fault, as nothing is written back then.
PartyChange partyChange(const BattleState& state, const Combatant* match, bool settled) {
  PartyChange change;
  if (!settled) return change;
  for (int m = 0; m < 3; ++m) {
    const int i = kPartyMember1 + m;
    const Combatant& before = match[i];
    const Combatant& after = state.combatants[i];
    change.levelledUp[m] = state.snapshots[i].n[kLevel] != before.n[kLevel];
    change.livesLost[m] = std::int64_t{before.n[kLives].v} - after.n[kLives].v;
    change.experience[m] = std::int64_t{after.n[kExperience].v} - before.n[kExperience].v;
    change.money[m] = std::int64_t{after.n[kMoney].v} - before.n[kMoney].v;
  }
  return change;
}

struct Shared {
  const FightPlan* plan;
  std::atomic<std::int64_t> nextBlock{0};
  std::atomic<std::int64_t> done{0};
  std::mutex mutex;
  std::condition_variable finished;
  int running = 0;
};

void fightBlocks(Shared& shared, SimTally& tally, std::vector<BattleMark>& marks) {
  const FightPlan& plan = *shared.plan;
  auto state = std::make_unique<BattleState>();
  auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
  auto stats = std::make_unique<BattleStats>();
  for (;;) {
    const std::int64_t first = shared.nextBlock.fetch_add(1) * kBlock;
    if (first >= plan.battles) break;
    const std::int64_t end = std::min(plan.battles, first + kBlock);
    for (std::int64_t i = first; i < end; ++i) {
      PartyChange party;
      const auto seed = static_cast<std::uint32_t>(plan.firstSeed + i);
      BattleMark mark = fightOneBattle(*state, combatants.get(), plan.combatants, seed, *stats, party);
      addBattle(tally, mark, *stats, party);
      if (plan.keepMarks) marks[static_cast<std::size_t>(i)] = mark;
    }
    shared.done.fetch_add(end - first);
  }
  std::lock_guard<std::mutex> lock(shared.mutex);
  --shared.running;
  shared.finished.notify_one();
}

}  // namespace

BattleMark fightOneBattle(BattleState& state, Combatant* combatants, const Combatant* match,
                          std::uint32_t seed, BattleStats& stats, PartyChange& party) {
  for (int k = 0; k < kCombatantCount; ++k) combatants[k] = match[k];
  BattleOptions options;
  options.sink = ReportSink::Discard;
  options.seed = seed;
  options.stats = &stats;
  std::optional<Outcome> outcome = runBattle(state, combatants, nullptr, nullptr, options);
  party = partyChange(state, match, outcome.has_value());
  return markOf(outcome, stats);
}

Fight fightBattles(const FightPlan& plan) {
  const auto started = std::chrono::steady_clock::now();
  Fight fight;
  if (plan.keepMarks) fight.marks.assign(static_cast<std::size_t>(plan.battles), 0);
  const int threads = static_cast<int>(std::clamp<std::int64_t>(
      plan.threads, 1, std::max<std::int64_t>(1, (plan.battles + kBlock - 1) / kBlock)));
  Shared shared;
  shared.plan = &plan;
  shared.running = threads;
  std::vector<std::unique_ptr<SimTally>> tallies;
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) tallies.push_back(std::make_unique<SimTally>());
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back(fightBlocks, std::ref(shared), std::ref(*tallies[t]), std::ref(fight.marks));
  }
  {
    std::unique_lock<std::mutex> lock(shared.mutex);
    while (shared.running > 0) {
      shared.finished.wait_for(lock, std::chrono::milliseconds(100));
      if (plan.progress != nullptr) showProgress(*plan.progress, plan.progressBase + shared.done.load());
    }
  }
  for (std::thread& worker : workers) worker.join();
  for (const auto& tally : tallies) addTally(fight.tally, *tally);
  if (plan.battles > 0) fight.tally.seedRanges = {{plan.firstSeed, plan.firstSeed + plan.battles - 1}};
  fight.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return fight;
}
