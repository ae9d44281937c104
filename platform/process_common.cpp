#include <cstdlib>
#include <vector>

#include "platform/program_search.h"

namespace {

#if defined(_WIN32)
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

}  // namespace

std::string findProgram(const std::string& program, const std::string& workingFolder) {
  std::vector<std::string> folders;
  if (std::string own = folderOfRunningProgram(); !own.empty()) folders.push_back(own);
  if (!workingFolder.empty()) folders.push_back(workingFolder);
  if (const char* path = std::getenv("PATH")) {
    std::string list(path);
    std::size_t start = 0;
    for (;;) {
      std::size_t separator = list.find(kPathListSeparator, start);
      std::string folder = pathListFolder(list.substr(start, separator - start));
      if (!folder.empty()) folders.push_back(folder);
      if (separator == std::string::npos) break;
      start = separator + 1;
    }
  }
  for (const auto& folder : folders) {
    std::string candidate = programPathIn(folder, program);
    if (isStartableProgram(candidate)) return candidate;
  }
  return {};
}
