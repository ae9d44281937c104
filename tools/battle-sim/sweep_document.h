// The sweep document: its axes and one run result per point, row-major with
// the first axis outermost.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "field_sets.h"
#include "sim_json.h"
#include "sim_tally.h"

struct SweepAxis {
  FieldTarget target;
  std::string label;  // WHO.FIELD as given
  std::int64_t from = 0;
  std::int64_t to = 0;
  std::int64_t step = 1;
};

struct SweepPoint {
  std::vector<std::int64_t> values;  // one per axis
  SimTally tally;
};

std::int64_t axisLength(const SweepAxis& axis);

// The values of point p of the grid.
std::vector<std::int64_t> pointValues(const std::vector<SweepAxis>& axes, std::int64_t p);

nlohmann::json sweepDocument(const std::vector<SweepAxis>& axes, const std::vector<SweepPoint>& points,
                             const RunInfo& info);

// Mean damage dealt per battle by each side, from a run document.
struct SideDamage {
  double party = 0;
  double enemy = 0;
};
SideDamage sideDamage(const nlohmann::json& result);
