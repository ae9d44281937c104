#include "battle/program_entry.h"

#include <cstdio>
#include <memory>

#include "battle/bridge_file.h"
#include "battle/combatant_files.h"
#include "battle/run_battle.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace {

constexpr int kExitCode = 1;

// A report name is relative to the working folder unless it is a full path.
std::string reportPath(const std::string& folder, const std::string& name) {
  std::string native = nativeName(name);
  return isAbsolutePath(native) ? native : joinPath(folder, name);
}

// A report that would empty an input before it is read (a party file, an
// enemy file, Bridge.txt, head.dat), however its name is spelled.
bool namesAnInput(const std::string& output, const std::string& folder, const BridgeFile& bridge) {
  for (const std::string& input : battleInputPaths(folder, bridge)) {
    if (namesSameFile(output, input)) return true;
  }
  return false;
}

}  // namespace

std::optional<std::uint32_t> parseSeed(const char* value) {
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::uint64_t seed = 0;
  for (const char* p = value; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(*p - '0');
    if (seed > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(seed);
}

std::string badSeedMessage(const char* value) {
  std::string shown;
  for (const char* p = value; *p != '\0'; ++p) {
    auto byte = static_cast<unsigned char>(*p);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      shown += static_cast<char>(byte);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return "battle: BATTLE_SEED=\"" + shown + "\" is not a seed (a decimal number from 0 to 4294967295)\n";
}

int runBattleProgram(const std::string& workingFolder, std::optional<std::uint32_t> seed) {
  // Without a current folder every path would be built from nothing.
  if (workingFolder.empty()) return kExitCode;
  std::optional<BridgeFile> bridge = readBridgeFile(workingFolder);
  if (!bridge) return kExitCode;
  std::string reportName = reportPath(workingFolder, bridge->lines[3]);
  std::string summaryName = reportPath(workingFolder, bridge->lines[4]);
  if (namesAnInput(reportName, workingFolder, *bridge) || namesAnInput(summaryName, workingFolder, *bridge))
    return kExitCode;
  OutputFile reportFile = OutputFile::create(reportName);
  if (!reportFile.isOpen()) return kExitCode;
  OutputFile summaryFile = OutputFile::create(summaryName);
  if (!summaryFile.isOpen()) return kExitCode;
  for (int i = 0; i < 3; ++i) {
    if (bridge->lines[i].empty()) return kExitCode;
  }
  // The six combatants are one array in index order; the battle changes them
  // in place.
  auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
  PartyFileFaults faults = loadCombatants(workingFolder, *bridge, combatants.get());

  auto state = std::make_unique<BattleState>();
  BattleOptions options;
  options.partyFileFaults = faults;
  options.seed = seed;
  options.workingFolder = workingFolder;
  runBattle(*state, combatants.get(), &reportFile, &summaryFile, options);
  reportFile.close();
  summaryFile.close();
  startProgramDetached(kPageGeneratorProgram, workingFolder);
  return kExitCode;
}
