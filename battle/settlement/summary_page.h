// The summary page of a settled battle and its line in digest.html.
#pragma once

#include "battle/battle_state.h"

// Writes the whole summary page, and the digest line at its place among
// them. Nothing without the Files sink.
void writeSummaryPage(BattleState& state);
