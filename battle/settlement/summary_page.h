// The summary page of a settled battle and its line in digest.html.
#pragma once

#include <string_view>

#include "battle/battle_state.h"

// The mark of the summary page and the digest line: ○ ● △ ▲ by the
// judgement flag and the scores (CP932).
std::string_view outcomeMark(const BattleState& state);

// The statistics table that ends the summary page.
void writeStatisticsTable(BattleState& state);

// Writes the whole summary page, and the digest line at its place among
// them. Nothing without the Files sink.
void writeSummaryPage(BattleState& state);
