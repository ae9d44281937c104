#include "sim_folder.h"

#include <filesystem>

#include "battle/bridge_file.h"
#include "battle/combatant_files.h"
#include "common/sjis_decode.h"
#include "platform/paths.h"
#include "tools/simulation/simulation.h"

bool loadSimFolder(const std::string& folder, const std::vector<FieldSet>& sets, SimFolder& out,
                   std::string& error) {
  out.folder = folder;
  auto match = std::make_unique<Match>();
  if (!std::filesystem::is_directory(folder)) {
    error = "folder '" + folder + "' does not exist";
    return false;
  }
  if (!loadMatch(folder, *match)) {
    error = "no usable Bridge.txt in '" + folder + "' (missing, a line too long, or an enemy line empty)";
    return false;
  }
  for (int i = 0; i < kCombatantCount; ++i) out.combatants[i] = match->combatants[i];
  std::optional<BridgeFile> bridge = readBridgeFile(folder);
  for (int i = 0; i < kCombatantCount; ++i) {
    std::string name = combatantFileName(*bridge, i);
    out.fileNames.push_back(name);
    if (!std::filesystem::exists(joinPath(folder, name))) out.missingFiles.push_back(name);
  }
  applyFieldSets(out.combatants, sets);
  for (const FieldSet& set : sets) out.sets.push_back(set.text);
  return true;
}

void combatantNames(const SimFolder& folder, std::string* names) {
  for (int i = 0; i < kCombatantCount; ++i) names[i] = cp932ToUtf8(nameOf(folder.combatants[i]));
}
