#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/paths.h"

std::string currentDirectory() {
  std::vector<char> buffer(1024);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) return std::string(buffer.data());
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
}

bool isAbsolutePath(std::string_view nativePath) { return !nativePath.empty() && nativePath[0] == '/'; }
