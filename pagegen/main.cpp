// pagegen: rewrites the party's status pages in the current folder. battle
// starts it without waiting, so the exit code is only a convention.
#include "pagegen/status_pages.h"
#include "platform/paths.h"

#include <string>

int main() {
  // Without a readable current directory the relative names still point into
  // it; an empty folder would put the pages at the file system's root.
  std::string folder = currentDirectory();
  writeStatusPages(folder.empty() ? "." : folder);
  return 1;
}
