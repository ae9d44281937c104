#include "battle/combatant_files.h"

void loadCombatants(const std::string& folder, const BridgeFile& bridge, Combatant* combatants) {
  for (int i = 0; i < 3; ++i) {
    // A line without a line end loses its last character all the same.
    const std::string& line = bridge.lines[i];
    loadCharacter(folder, line.substr(0, line.empty() ? 0 : line.size() - 1), combatants[i]);
  }
  for (int i = 0; i < 3; ++i) loadCharacter(folder, kPartyFiles[i], combatants[kPartyMember1 + i]);
}
