// Started by the platform tests as "pagegen.exe": writes started.txt into
// its current folder, holding that folder, and exits.
#include <windows.h>

#include <cstdio>

int main() {
  char folder[MAX_PATH + 1] = {};
  ::GetCurrentDirectoryA(sizeof folder, folder);
  std::FILE* file = std::fopen("started.txt", "wb");
  if (file == nullptr) return 1;
  std::fputs(folder, file);
  std::fclose(file);
  return 0;
}
