// One battle: set-up, turns, settlement, all under the fault guard.
#pragma once

#include <optional>

#include "battle/battle_state.h"
#include "battle/settlement/outcome.h"

// Fights one battle between the six `combatants` (an array in index order,
// changed in place). `reportFile` and `summaryFile` are the open report
// files, or null when the sink discards the output. Returns how the battle
// ended, or nothing when it stopped on a fault.
std::optional<Outcome> runBattle(BattleState& state, Combatant* combatants, OutputFile* reportFile,
                                 OutputFile* summaryFile, const BattleOptions& options);
