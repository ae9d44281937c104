// The six combatants' files: the enemies named by Bridge.txt, the party's
// status1.dat to status3.dat.
#pragma once

#include <string>
#include <vector>

#include "battle/battle_state.h"
#include "battle/bridge_file.h"
#include "battle/combatant.h"

// The party members' files, in the order of indices 3 to 5.
inline constexpr const char* kPartyFiles[3] = {"status1.dat", "status2.dat", "status3.dat"};

// The file of combatant `index`: Bridge.txt line index + 1 without its last
// character (the line end) for an enemy, the party file for a member.
std::string combatantFileName(const BridgeFile& bridge, int index);

// Loads the six combatants in index order: the files of Bridge.txt lines 1 to
// 3, then the party files. A missing file loads as an all-zero record with
// an empty name. Returns, for each party member, whether its file exists but
// could not be read: such a file must not be written back.
PartyFileFaults loadCombatants(const std::string& folder, const BridgeFile& bridge, Combatant* combatants);

// The full names of the files the battle reads: Bridge.txt, head.dat, the
// enemy files and the party files. No output may be one of them.
std::vector<std::string> battleInputPaths(const std::string& folder, const BridgeFile& bridge);
