// The party's files after a battle.
#pragma once

#include "battle/battle_state.h"

// The record written back for party member `index`: its snapshot (with any
// level-up) at full HP and MP, with the battle's lasting results (experience,
// victories, wipe-outs, money, lives, items) from its combatant.
CharacterRecord mergedRecord(const BattleState& state, int index);

// Saves the three members to status1.dat .. status3.dat; Files sink only.
void writeBackParty(BattleState& state);
