// The set-up of a battle before its first turn.
#pragma once

#include "battle/battle_state.h"

// Resets the state, opens the appended files (Files sink), takes the
// combatants and their snapshots, fixes the battle's length, writes the
// report's header, seeds the generator and applies the start-of-battle
// passives, in the game's order.
void setUpBattle(BattleState& state, Combatant* combatants, OutputFile* reportFile, OutputFile* summaryFile,
                 const BattleOptions& options);
