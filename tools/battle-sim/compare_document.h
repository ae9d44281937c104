// The compare and weights documents, built from counts so that shards merge.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "paired_results.h"
#include "sim_json.h"

struct CompareSide {
  std::string label;
  SimTally tally;
  RunInfo info;
};

nlohmann::json compareDocument(const CompareSide& a, const CompareSide& b, const Pairing& pairing,
                               int threads, double seconds);

struct WeightRow {
  int field = 0;
  VictoryChange change;
};

nlohmann::json weightsDocument(const SimTally& baseline, const RunInfo& info, int member, std::int64_t delta,
                               const std::vector<WeightRow>& rows, double seconds);
