// Paired comparisons: two versions of a match fought with the same seeds,
// battle by battle. The counts of battles in which only one side had an
// outcome give the difference of the rates and its paired interval, and add
// up exactly across shards.
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "sim_tally.h"

struct Pairing {
  std::int64_t battles = 0;
  std::int64_t aOnly[kOutcomeKeys] = {};  // battles where only a had the outcome
  std::int64_t bOnly[kOutcomeKeys] = {};
  std::int64_t transitions[kOutcomeKinds][kOutcomeKinds] = {};  // a's kind -> b's kind, where they differ
};

// Pairs two runs of the same seeds, battle by battle.
Pairing pairMarks(const std::vector<BattleMark>& a, const std::vector<BattleMark>& b);

void addPairing(Pairing& into, const Pairing& part);

// "differences" and "changed" of a compare document.
nlohmann::json differencesJson(const Pairing& pairing, const SimTally& a, const SimTally& b);
nlohmann::json changedJson(const Pairing& pairing);

// The pairing back from a compare document's differences and changed.
Pairing pairingFromCompare(const nlohmann::json& doc);

// A victory of the party: a win, or a judgement won on points.
inline bool isVictory(BattleMark mark) { return markKind(mark) == kWin || markKind(mark) == kJudgementWin; }

// The battles that only the raised stat won (improved) and that only the
// baseline won (worsened).
struct VictoryChange {
  std::int64_t battles = 0;
  std::int64_t improved = 0;
  std::int64_t worsened = 0;
  std::int64_t victories = 0;  // with the raised stat
};
VictoryChange pairVictories(const std::vector<BattleMark>& baseline, const std::vector<BattleMark>& raised);

// One row of a weights document: the change of the party's victory rate when
// a field rises by the delta.
nlohmann::json weightJson(const std::string& field, const std::string& key, const VictoryChange& change);

// Sorts weight rows by diff, largest first; ties keep their order.
void rankWeights(nlohmann::json& weights);
