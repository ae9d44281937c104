// battle: fights one battle in the current folder.
#include <cstdlib>

#include "battle/program_entry.h"
#include "platform/paths.h"

int main() { return runBattleProgram(currentDirectory(), seedFromEnvironment(std::getenv("BATTLE_SEED"))); }
