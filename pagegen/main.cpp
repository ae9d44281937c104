// pagegen: rewrites the party's status pages in the current folder. battle
// starts it without waiting, so the exit code is only a convention.
#include "pagegen/status_pages.h"
#include "platform/paths.h"

#include <string>

int main() {
  // Without a current directory (removed, or its path unreadable) nothing is
  // read or written: the pages' paths are built from it.
  std::string folder = currentDirectory();
  if (!folder.empty()) writeStatusPages(folder);
  return 1;
}
