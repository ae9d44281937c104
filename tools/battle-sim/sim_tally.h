// The totals of many battles: integer counts and sums only, so that tallies
// of any split of the seeds add up to exactly the tally of their union.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "battle/battle_stats.h"

// How a battle ended, in the order of the documents' outcome keys.
enum OutcomeKind : int { kWin, kAnnihilation, kJudgementWin, kJudgementLoss, kFault, kOutcomeKinds };

// The five kinds and game_over, the six keys of `outcomes`.
inline constexpr int kOutcomeKeys = kOutcomeKinds + 1;
inline constexpr int kGameOverKey = kOutcomeKinds;
inline constexpr const char* kOutcomeNames[kOutcomeKeys] = {
    "win", "annihilation", "judgement_win", "judgement_loss", "fault", "game_over",
};

// One battle as the simulator keeps it for pairing: the kind in the low bits,
// bit 3 set for game over.
using BattleMark = std::uint8_t;
inline constexpr BattleMark kGameOverBit = 8;
inline int markKind(BattleMark mark) { return mark & 7; }
inline bool markHas(BattleMark mark, int key) {
  return key == kGameOverKey ? (mark & kGameOverBit) != 0 : markKind(mark) == key;
}

struct SkillTotals {
  std::int64_t activations = 0;
  std::int64_t damage = 0;
  std::int64_t misses = 0;
  std::int64_t reactions = 0;
};

struct PartyTotals {
  std::int64_t levelUps = 0;
  std::int64_t livesLost = 0;
  std::int64_t experience = 0;
  std::int64_t money = 0;
};

// Inclusive seed ranges; seeds are 0..4294967295.
using SeedRange = std::pair<std::int64_t, std::int64_t>;

inline constexpr int kSkillIds = 151;

struct SimTally {
  std::int64_t battles = 0;
  std::vector<SeedRange> seedRanges;
  std::int64_t outcomes[kOutcomeKeys] = {};
  std::int64_t settledNoActor = 0;
  std::vector<std::int64_t> actionHistogram;  // battles by actions played
  CombatantStats combatants[kCombatantCount];
  SkillTotals skills[kSkillIds][kCombatantCount];  // by skill id and user
  PartyTotals party[3];
};

// What the party gained or lost in one battle, from its records before and
// after.
struct PartyChange {
  bool levelledUp[3] = {};
  std::int64_t livesLost[3] = {};
  std::int64_t experience[3] = {};
  std::int64_t money[3] = {};
};

// Adds one battle.
void addBattle(SimTally& tally, BattleMark mark, const BattleStats& stats, const PartyChange& party);

// Adds every count and sum of `part`; the seed ranges are joined.
void addTally(SimTally& into, const SimTally& part);

// Sorts the ranges and joins neighbouring ones. False when two overlap.
bool joinSeedRanges(std::vector<SeedRange>& ranges);
