#include "battle/combatant_files.h"

#include "platform/paths.h"

std::string enemyFileName(const BridgeFile& bridge, int line) {
  // A line without a line end loses its last character all the same.
  const std::string& text = bridge.lines[line];
  return text.substr(0, text.empty() ? 0 : text.size() - 1);
}

PartyFileFaults loadCombatants(const std::string& folder, const BridgeFile& bridge, Combatant* combatants) {
  for (int i = 0; i < 3; ++i) loadCharacter(folder, enemyFileName(bridge, i), combatants[i]);
  PartyFileFaults faults;
  for (int i = 0; i < 3; ++i) {
    ReadStatus status = loadCharacter(folder, kPartyFiles[i], combatants[kPartyMember1 + i]);
    faults.unreadable[i] = status == ReadStatus::Failed;
  }
  return faults;
}

std::vector<std::string> battleInputPaths(const std::string& folder, const BridgeFile& bridge) {
  std::vector<std::string> paths = {joinPath(folder, "Bridge.txt"), joinPath(folder, "head.dat")};
  for (int i = 0; i < 3; ++i) paths.push_back(joinPath(folder, enemyFileName(bridge, i)));
  for (const char* party : kPartyFiles) paths.push_back(joinPath(folder, party));
  return paths;
}
