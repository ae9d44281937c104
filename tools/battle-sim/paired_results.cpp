#include "paired_results.h"

#include <algorithm>

#include "sim_json.h"
#include "sim_statistics.h"

using nlohmann::json;

Pairing pairMarks(const std::vector<BattleMark>& a, const std::vector<BattleMark>& b) {
  Pairing pairing;
  pairing.battles = static_cast<std::int64_t>(std::min(a.size(), b.size()));
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    for (int k = 0; k < kOutcomeKeys; ++k) {
      const bool inA = markHas(a[i], k);
      const bool inB = markHas(b[i], k);
      if (inA && !inB) ++pairing.aOnly[k];
      if (inB && !inA) ++pairing.bOnly[k];
    }
    if (markKind(a[i]) != markKind(b[i])) ++pairing.transitions[markKind(a[i])][markKind(b[i])];
  }
  return pairing;
}

void addPairing(Pairing& into, const Pairing& part) {
  into.battles += part.battles;
  for (int k = 0; k < kOutcomeKeys; ++k) {
    into.aOnly[k] += part.aOnly[k];
    into.bOnly[k] += part.bOnly[k];
  }
  for (int f = 0; f < kOutcomeKinds; ++f) {
    for (int t = 0; t < kOutcomeKinds; ++t) into.transitions[f][t] += part.transitions[f][t];
  }
}

json differencesJson(const Pairing& pairing, const SimTally& a, const SimTally& b) {
  json out = json::object();
  for (int k = 0; k < kOutcomeKeys; ++k) {
    Interval ci = pairedInterval(pairing.aOnly[k], pairing.bOnly[k], pairing.battles);
    out[kOutcomeNames[k]] = {{"a_rate", rateOf(a.outcomes[k], a.battles)},
                             {"b_rate", rateOf(b.outcomes[k], b.battles)},
                             {"diff", pairedDifference(pairing.aOnly[k], pairing.bOnly[k], pairing.battles)},
                             {"ci95", intervalJson(ci.low, ci.high)},
                             {"a_only", pairing.aOnly[k]},
                             {"b_only", pairing.bOnly[k]}};
  }
  return out;
}

json changedJson(const Pairing& pairing) {
  std::int64_t total = 0;
  json transitions = json::array();
  for (int f = 0; f < kOutcomeKinds; ++f) {
    for (int t = 0; t < kOutcomeKinds; ++t) {
      const std::int64_t count = pairing.transitions[f][t];
      if (count == 0) continue;
      total += count;
      transitions.push_back({{"from", kOutcomeNames[f]}, {"to", kOutcomeNames[t]}, {"count", count}});
    }
  }
  return {{"total", total}, {"transitions", transitions}};
}

Pairing pairingFromCompare(const json& doc) {
  Pairing pairing;
  pairing.battles = doc.at("battles").get<std::int64_t>();
  for (int k = 0; k < kOutcomeKeys; ++k) {
    const json& row = doc.at("differences").at(kOutcomeNames[k]);
    pairing.aOnly[k] = row.at("a_only").get<std::int64_t>();
    pairing.bOnly[k] = row.at("b_only").get<std::int64_t>();
  }
  for (const json& row : doc.at("changed").at("transitions")) {
    int from = -1, to = -1;
    for (int k = 0; k < kOutcomeKinds; ++k) {
      if (row.at("from") == kOutcomeNames[k]) from = k;
      if (row.at("to") == kOutcomeNames[k]) to = k;
    }
    if (from < 0 || to < 0) throw std::runtime_error("unknown outcome in transitions");
    pairing.transitions[from][to] += row.at("count").get<std::int64_t>();
  }
  return pairing;
}

VictoryChange pairVictories(const std::vector<BattleMark>& baseline, const std::vector<BattleMark>& raised) {
  VictoryChange change;
  change.battles = static_cast<std::int64_t>(std::min(baseline.size(), raised.size()));
  for (std::size_t i = 0; i < baseline.size() && i < raised.size(); ++i) {
    const bool before = isVictory(baseline[i]);
    const bool after = isVictory(raised[i]);
    if (after) ++change.victories;
    if (after && !before) ++change.improved;
    if (before && !after) ++change.worsened;
  }
  return change;
}

json weightJson(const std::string& field, const std::string& key, const VictoryChange& change) {
  Interval ci = pairedInterval(change.worsened, change.improved, change.battles);
  return {{"field", field},
          {"key", key},
          {"diff", pairedDifference(change.worsened, change.improved, change.battles)},
          {"ci95", intervalJson(ci.low, ci.high)},
          {"win_rate", rateOf(change.victories, change.battles)},
          {"wins", change.victories},
          {"improved", change.improved},
          {"worsened", change.worsened}};
}

void rankWeights(json& weights) {
  std::stable_sort(weights.begin(), weights.end(), [](const json& x, const json& y) {
    return x.at("diff").get<double>() > y.at("diff").get<double>();
  });
}
