#include "battle/combatant_files.h"

std::string combatantFileName(const BridgeFile& bridge, int index) {
  if (isPartyMember(index)) return kPartyFiles[index - kPartyMember1];
  // A line without a line end loses its last character all the same.
  const std::string& line = bridge.lines[index];
  return line.substr(0, line.empty() ? 0 : line.size() - 1);
}

void loadCombatants(const std::string& folder, const BridgeFile& bridge, Combatant* combatants) {
  for (int i = 0; i < kCombatantCount; ++i)
    loadCharacter(folder, combatantFileName(bridge, i), combatants[i]);
}
