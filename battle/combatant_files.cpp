#include "battle/combatant_files.h"

#include "platform/paths.h"

std::string combatantFileName(const BridgeFile& bridge, int index) {
  if (isPartyMember(index)) return kPartyFiles[index - kPartyMember1];
  // A line without a line end loses its last character all the same.
  const std::string& line = bridge.lines[index];
  return line.substr(0, line.empty() ? 0 : line.size() - 1);
}

PartyFileFaults loadCombatants(const std::string& folder, const BridgeFile& bridge, Combatant* combatants) {
  PartyFileFaults faults;
  for (int i = 0; i < kCombatantCount; ++i) {
    ReadStatus status = loadCharacter(folder, combatantFileName(bridge, i), combatants[i]);
    if (isPartyMember(i)) faults.unreadable[i - kPartyMember1] = status == ReadStatus::Failed;
  }
  return faults;
}

std::vector<std::string> battleInputPaths(const std::string& folder, const BridgeFile& bridge) {
  std::vector<std::string> paths = {joinPath(folder, "Bridge.txt"), joinPath(folder, "head.dat")};
  for (int i = 0; i < kCombatantCount; ++i) paths.push_back(joinPath(folder, combatantFileName(bridge, i)));
  return paths;
}
