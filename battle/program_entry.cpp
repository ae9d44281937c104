#include "battle/program_entry.h"

#include <memory>

#include "battle/bridge_file.h"
#include "battle/combatant_files.h"
#include "battle/run_battle.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace {

constexpr int kExitCode = 1;

// A report name is relative to the working folder unless it is a full path.
std::string reportPath(const std::string& folder, const std::string& name) {
  std::string native = nativeName(name);
  return isAbsolutePath(native) ? native : joinPath(folder, name);
}

}  // namespace

std::optional<std::uint32_t> seedFromEnvironment(const char* value) {
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::uint64_t seed = 0;
  for (const char* p = value; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9' || p - value >= 10) return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  if (seed > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(seed);
}

int runBattleProgram(const std::string& workingFolder, std::optional<std::uint32_t> seed) {
  std::optional<BridgeFile> bridge = readBridgeFile(workingFolder);
  if (!bridge) return kExitCode;
  OutputFile reportFile = OutputFile::create(reportPath(workingFolder, bridge->lines[3]));
  if (!reportFile.isOpen()) return kExitCode;
  OutputFile summaryFile = OutputFile::create(reportPath(workingFolder, bridge->lines[4]));
  if (!summaryFile.isOpen()) return kExitCode;
  for (int i = 0; i < 3; ++i) {
    if (bridge->lines[i].empty()) return kExitCode;
  }
  // The six combatants are one array in index order; the battle changes them
  // in place.
  auto combatants = std::make_unique<Combatant[]>(kCombatantCount);
  loadCombatants(workingFolder, *bridge, combatants.get());

  auto state = std::make_unique<BattleState>();
  BattleOptions options;
  options.seed = seed;
  options.workingFolder = workingFolder;
  runBattle(*state, combatants.get(), &reportFile, &summaryFile, options);
  reportFile.close();
  summaryFile.close();
  startProgramDetached(kPageGeneratorProgram, workingFolder);
  return kExitCode;
}
