#include "chromium.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/test_folder.h"

namespace fs = std::filesystem;

std::string findChromium() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    fs::path candidate = fs::path(folder) / "chromium";
    if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

int runCapturing(const std::vector<std::string>& argv, const std::string& output) {
  pid_t child = ::fork();
  if (child == 0) {
    int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int null = ::open("/dev/null", O_RDWR);
    if (out < 0 || null < 0) ::_exit(126);
    ::dup2(null, 0);
    ::dup2(out, 1);
    ::dup2(null, 2);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string browserDom(const std::string& chromium, const std::string& file, int& code) {
  TestFolder profile, output;
  std::string dom = output.file("dom.html");
  code = runCapturing({chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                       "--no-first-run", "--disable-background-networking", "--disable-component-update",
                       "--disable-sync", "--user-data-dir=" + profile.path(), "--dump-dom", "file://" + file},
                      dom);
  return readFileBytes(dom);
}
