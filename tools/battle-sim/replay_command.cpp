// battle-sim replay: one battle of a simulation fought for real in a copy of
// the folder, with every file battle writes and the status pages.
#include <filesystem>
#include <system_error>

#include "battle/bridge_file.h"
#include "battle/program_entry.h"
#include "command_common.h"
#include "common/character_record.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

// Copies the folder's files as they are before DIR exists, so a DIR inside
// the folder is not copied into itself.
void copyFolder(const fs::path& from, const fs::path& to) {
  std::vector<fs::directory_entry> entries(fs::recursive_directory_iterator(from), {});
  fs::create_directories(to);
  for (const fs::directory_entry& entry : entries) {
    const fs::path target = to / fs::relative(entry.path(), from);
    if (entry.is_directory()) {
      fs::create_directories(target);
    } else {
      fs::create_directories(target.parent_path());
      fs::copy_file(entry.path(), target);
    }
  }
}

// The --set changes go into the copy's character files, which the battle
// then reads as usual.
void writeChanges(const std::string& folder, const std::vector<FieldSet>& sets,
                  const std::vector<std::string>& fileNames) {
  for (const FieldSet& set : sets) {
    const int i = set.target.combatant;
    CharacterRecord record{};
    loadCharacter(folder, fileNames[static_cast<std::size_t>(i)], record);
    record.n[set.target.field] = set.value;
    saveCharacter(record, folder, fileNames[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

int replayCommand(const SimOptions& options) {
  if (options.folders.empty()) throw UsageError("replay: the SEED is missing");
  if (options.folders.size() > 2) throw UsageError("replay: too many arguments: " + options.folders.back());
  const std::string folderName = options.folders.size() == 2 ? options.folders[0] : ".";
  const auto seed = static_cast<std::uint32_t>(seedValue("SEED", options.folders.back()));
  std::vector<FieldSet> sets = fieldSets("--set", options.setTexts);
  if (options.out.empty()) throw UsageError("replay: --out DIR is missing");
  std::error_code ignored;
  if (fs::exists(options.out, ignored) || fs::is_symlink(options.out, ignored)) {
    throw UsageError("--out: '" + options.out + "' exists already; give a new folder");
  }
  auto loaded = std::make_unique<SimFolder>();
  loadFolderOrFail(folderName, sets, *loaded, false);

  copyFolder(fs::path(folderName), fs::path(options.out));
  // battle runs in its working folder and starts the page generator there.
  fs::current_path(options.out);
  const std::string copy = currentDirectory();
  writeChanges(copy, sets, loaded->fileNames);
  runBattleProgram(copy, seed);
  return 0;
}
