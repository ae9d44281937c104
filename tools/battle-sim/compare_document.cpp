#include "compare_document.h"

#include "field_sets.h"

using nlohmann::json;

json compareDocument(const CompareSide& a, const CompareSide& b, const Pairing& pairing, int threads,
                     double seconds) {
  json doc = {{"tool", "battle-sim"},
              {"version", simVersion()},
              {"command", "compare"},
              {"a", {{"label", a.label}, {"result", runDocument(a.tally, a.info)}}},
              {"b", {{"label", b.label}, {"result", runDocument(b.tally, b.info)}}},
              {"battles", pairing.battles},
              {"seed_ranges", seedRangesJson(a.tally.seedRanges)},
              {"differences", differencesJson(pairing, a.tally, b.tally)},
              {"changed", changedJson(pairing)}};
  addSpeed(doc, 2 * pairing.battles, threads, seconds);
  return doc;
}

json weightsDocument(const SimTally& baseline, const RunInfo& info, int member, std::int64_t delta,
                     const std::vector<WeightRow>& rows, double seconds) {
  json weights = json::array();
  for (const WeightRow& row : rows) {
    weights.push_back(weightJson(fieldLabel(row.field), fieldKey(row.field), row.change));
  }
  rankWeights(weights);
  json doc = {{"tool", "battle-sim"},
              {"version", simVersion()},
              {"command", "weights"},
              {"folder", info.folder},
              {"sets", info.sets},
              {"member", member},
              {"delta", delta},
              {"baseline", runDocument(baseline, info)},
              {"weights", weights},
              {"battles", baseline.battles},
              {"seed_ranges", seedRangesJson(baseline.seedRanges)}};
  addSpeed(doc, baseline.battles * static_cast<std::int64_t>(rows.size() + 1), info.threads, seconds);
  return doc;
}
