// The working folder a simulation fights: read once, as battle loads it,
// never written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "battle/combatant.h"
#include "field_sets.h"

struct SimFolder {
  std::string folder;
  Combatant combatants[kCombatantCount]{};  // as loaded, with the --set changes applied
  std::vector<std::string> fileNames;       // the six character files, in index order
  std::vector<std::string> missingFiles;    // character files that do not exist
  std::vector<std::string> sets;            // the changes, as given
};

// Loads the folder and applies `sets`. False, with `error` set, when the
// folder has no usable Bridge.txt.
bool loadSimFolder(const std::string& folder, const std::vector<FieldSet>& sets, SimFolder& out,
                   std::string& error);

// The six names as UTF-8.
void combatantNames(const SimFolder& folder, std::string* names);
