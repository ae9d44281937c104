#include <windows.h>

#include <vector>

#include "platform/paths.h"

std::string currentDirectory() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
}
