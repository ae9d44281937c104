// collect: moves the product's result file into the current folder as
// qzres.txt, never replacing one that is there. Prints nothing; exit 0 when
// the file was moved, 255 (-1) when not.
#include <cstdlib>

#include "collect/result_source.h"
#include "common/program_info.h"
#include "platform/move_file.h"

namespace {

constexpr ProgramInfo kCollectInfo = {
    "collect",
    "Usage: collect\n"
    "Moves the product's result file _qzres.txt from its install folder to\n"
    "qzres.txt in the current folder; never replaces an existing qzres.txt.\n"
    "Takes no arguments; exits with 0 when the file was moved, 255 (-1) when not.\n"
    "  --version, --help  print this and change nothing\n"
    "Environment:\n"
    "  COLLECT_INSTALL_DIR=FOLDER  the install folder to take _qzres.txt from\n"
    "                              (Linux; on Windows the folder is fixed)\n"
    "Documentation: docs/hosts.md of the package.\n",
};

}  // namespace

int main(int argc, char** argv) {
  if (std::optional<int> answered = answerInfoRequest(argc, argv, kCollectInfo)) return *answered;
  bool moved = moveFileNoReplace(resultSourcePath(std::getenv("COLLECT_INSTALL_DIR")), kCollectedName);
  return moved ? 0 : -1;
}
