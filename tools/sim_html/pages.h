// One page of the report for each command of the simulator.
#pragma once

#include <string>

#include "tools/sim_html/report_json.h"

std::string renderRunPage(const Json& doc);
std::string renderSweepPage(const Json& doc);
std::string renderComparePage(const Json& doc);
std::string renderWeightsPage(const Json& doc);

// The sections of one run's result: key figures, outcomes, actions,
// combatants, skills and the party.
std::string runResultSections(const Json& result);
