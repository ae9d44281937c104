// pagegen: rewrites the party's status pages in the current folder. battle
// starts it without waiting, so the exit code is only a convention.
#include "common/program_info.h"
#include "pagegen/status_pages.h"
#include "platform/paths.h"

#include <string>

namespace {

constexpr ProgramInfo kPagegenInfo = {
    "pagegen",
    "Usage: pagegen\n"
    "Rewrites the party's status pages in the current folder from status1.dat to\n"
    "status3.dat: ste1.html, ste2.html, ste3.html (after a copy of head3.dat) and\n"
    "left.html (after a copy of head2.dat). battle starts it after every battle.\n"
    "Takes no arguments; exits with 1.\n"
    "  --version, --help  print this and change nothing\n"
    "Documentation: docs/hosts.md of the package.\n",
};

}  // namespace

int main(int argc, char** argv) {
  if (std::optional<int> answered = answerInfoRequest(argc, argv, kPagegenInfo)) return *answered;
  // Without a current directory (removed, or its path unreadable) nothing is
  // read or written: the pages' paths are built from it.
  std::string folder = currentDirectory();
  if (!folder.empty()) writeStatusPages(folder);
  return 1;
}
