// battle: fights one battle in the current folder.
#include <cstdio>
#include <cstdlib>

#include "battle/program_entry.h"
#include "common/program_info.h"
#include "platform/paths.h"

namespace {

constexpr ProgramInfo kBattleInfo = {
    "battle",
    "Usage: battle\n"
    "Fights one battle in the current folder: reads Bridge.txt, the three enemy\n"
    "files it names and status1.dat to status3.dat; writes the battle report and\n"
    "the summary page Bridge.txt names, a line of digest.html and the party's\n"
    "files, then starts pagegen. Takes no arguments; exits with 1.\n"
    "  --version, --help  print this and change nothing\n"
    "Environment:\n"
    "  BATTLE_SEED=N  seed the battle with N (0 to 4294967295) to replay it;\n"
    "                 any other value is refused: exit 1, nothing touched\n"
    "Documentation: docs/hosts.md and docs/character_file.md of the package.\n",
};

}  // namespace

int main(int argc, char** argv) {
  if (std::optional<int> answered = answerInfoRequest(argc, argv, kBattleInfo)) return *answered;
  std::optional<std::uint32_t> seed;
  if (const char* seedText = std::getenv("BATTLE_SEED")) {
    // A mistyped seed would fight another battle that looks like the replay.
    seed = parseSeed(seedText);
    if (!seed) {
      std::fputs(badSeedMessage(seedText).c_str(), stderr);
      return 1;
    }
  }
  return runBattleProgram(currentDirectory(), seed);
}
