// collect: moves the product's result file into the current folder as
// qzres.txt, never replacing one that is there. Prints nothing; exit 0 when
// the file was moved, 255 (-1) when not.
#include <cstdlib>

#include "collect/result_source.h"
#include "platform/move_file.h"

int main() {
  bool moved = moveFileNoReplace(resultSourcePath(std::getenv("COLLECT_INSTALL_DIR")), kCollectedName);
  return moved ? 0 : -1;
}
