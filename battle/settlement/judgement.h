// The judgement scores that show who is ahead, and the interim report.
#pragma once

#include "battle/battle_state.h"

// The sums of the current HP of both sides, all three members each.
void refreshHpTotals(BattleState& state);

// Sets the state's partyScore and enemyScore from the statistics; divides by both
// maxHpTotal values, so a zero total is a fault.
void updateJudgementScores(BattleState& state);

// The standing after every namedCount turns, flushed into the report.
void writeInterimReport(BattleState& state);
