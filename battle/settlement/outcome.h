// The settlement of a battle: outcome, rewards, lives, game over, level-ups,
// the summary page, the digest line and the write-back of the party.
#pragma once

#include "battle/battle_state.h"

enum class Outcome { Annihilation, Win, JudgementWin, JudgementLoss };

// Settles the battle once the loop has stopped. Files are touched only with
// the Files sink; the Memory sink collects the report lines.
Outcome settleOutcome(BattleState& state);

// True when a member with this experience and level gains a level.
bool reachesNextLevel(Int experience, Int level);
