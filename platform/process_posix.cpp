#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/paths.h"
#include "platform/process.h"
#include "platform/program_search.h"

std::string folderOfRunningProgram() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got < 0) return {};
    if (static_cast<std::size_t>(got) < buffer.size()) {
      return folderOf(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    buffer.resize(buffer.size() * 2);
  }
}

// An empty entry of PATH is the current folder.
std::string pathListFolder(const std::string& entry) { return entry.empty() ? "." : entry; }

std::string programPathIn(const std::string& folder, const std::string& program) {
  return folder + "/" + program;
}

bool isStartableProgram(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool startProgramDetached(const std::string& program, const std::string& workingFolder) {
  std::string path = findProgram(program, workingFolder);
  if (path.empty()) return false;
  char* const argv[] = {path.data(), nullptr};
  // Fork twice: the middle process exits at once and is reaped here, so the
  // program is adopted by init and never becomes our zombie.
  pid_t middle = ::fork();
  if (middle < 0) return false;
  if (middle == 0) {
    pid_t child = ::fork();
    if (child == 0) {
      if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(127);
      ::execv(argv[0], argv);
      ::_exit(127);
    }
    ::_exit(child < 0 ? 1 : 0);
  }
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
